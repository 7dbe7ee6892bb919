#!/usr/bin/env bash
# Builds Kalvanor and runs it from this folder (which holds config.txt and assets/).
# Without a display it runs the game under Xvfb for a few seconds, saves a screenshot and ends it.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/scripts/packages.sh"
ensure_packages "$kalvanor_packages_game"

cmake -S "$here" -B "$here/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$here/build" -j"$(nproc)" --target kalvanor

# Resolved before changing folder, so a relative path means the caller's folder.
shot=$(realpath -m "${KALVANOR_SCREENSHOT:-$here/kalvanor-screenshot.png}")
cd "$here"
if has_display; then
    exec build/kalvanor
fi
echo "No display found: running the game under Xvfb (1024x768) instead."
xvfb-run -a -s "-screen 0 1024x768x24" bash scripts/headless-run.sh "$here/build/kalvanor" "$shot"
