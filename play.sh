#!/usr/bin/env bash
# Builds Kalvanor and runs it from this folder (which holds config.txt and assets/).
# Without a display it runs the game under Xvfb for a few seconds, saves a screenshot and ends it.
# --package: builds the Debian package kalvanor_<version>_<arch>.deb into this folder instead.
# KALVANOR_BUILD_DIR overrides the build folder.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/scripts/packages.sh"
build=$(realpath -m "${KALVANOR_BUILD_DIR:-$here/build}")

if [ "${1:-}" = --package ]; then
    ensure_packages "$kalvanor_packages_game $kalvanor_packages_package"
    cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$build" -j"$(nproc)" --target kalvanor kalvanor_package_files
    rm -rf "$build/package"
    (cd "$build" && cpack -G DEB >/dev/null)
    deb=$(basename "$build"/package/kalvanor_*.deb)
    cp "$build/package/$deb" "$here/$deb"
    echo "Built $here/$deb. Install it with: sudo apt-get install ./$deb"
    exit 0
fi

ensure_packages "$kalvanor_packages_game"
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" --target kalvanor

# Resolved before changing folder, so a relative path means the caller's folder.
shot=$(realpath -m "${KALVANOR_SCREENSHOT:-$here/kalvanor-screenshot.png}")
cd "$here"
if has_display; then
    exec "$build/kalvanor"
fi
echo "No display found: running the game under Xvfb (1024x768) instead."
# -noreset: xdotool's polls come and go while the game connects, and a server that resets when
# its last client leaves would drop the game's connection.
xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash scripts/headless-run.sh "$build/kalvanor" "$shot"
