#!/usr/bin/env bash
# Regenerates the README's screenshot, docs/screenshot.png: the snapshot tool's scripted scene at
# 1024x768, drawn through the game's own pipeline. Builds the tool first (into build/, or the
# folder in KALVANOR_BUILD_DIR) and runs it under Xvfb when there is no display.
# Usage: scripts/make-screenshot.sh [OUT.png]   (default: docs/screenshot.png)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
source "$here/scripts/packages.sh"
ensure_packages "$kalvanor_packages_game"

build=$(realpath -m "${KALVANOR_BUILD_DIR:-$here/build}")
# Resolved before changing folder, so a relative path means the caller's folder.
shot=$(realpath -m "${1:-$here/docs/screenshot.png}")
mkdir -p "$(dirname "$shot")"

cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" --target kalvanor-snapshot

# The tool reads assets/ from the working directory, as the game does.
cd "$here"
tool=("$build/tools/snapshot/kalvanor-snapshot" --size 1024x768 "$shot")
if has_display; then
    "${tool[@]}"
else
    xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "${tool[@]}"
fi
echo "Wrote $shot."
