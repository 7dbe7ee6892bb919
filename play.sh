#!/usr/bin/env bash
# Builds Kalvanor and runs it from this folder (which holds config.txt and assets/).
# Without a display it runs the game under Xvfb for a few seconds, saves a screenshot and ends it.
# --package: builds the Debian package kalvanor_<version>_<arch>.deb into this folder instead.
# --web: builds the browser version into build-web/site/ and serves it on http://localhost:8080/;
# without a display it loads the page in headless Chromium for a few seconds, saves a screenshot
# (kalvanor-web-screenshot.png) and ends.
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

if [ "${1:-}" = --web ]; then
    "$here/scripts/build-web.sh" >/dev/null
    site=$(realpath -m "${KALVANOR_WEB_BUILD_DIR:-$here/build-web}")/site
    port=${KALVANOR_WEB_PORT:-8080}
    if has_display; then
        echo "Serving Kalvanor on http://localhost:$port/ (Ctrl+C stops it)"
        exec node "$here/scripts/serve-web.mjs" "$site" "$port" >/dev/null
    fi
    shot=$(realpath -m "${KALVANOR_SCREENSHOT:-$here/kalvanor-web-screenshot.png}")
    address=$(mktemp)
    node "$here/scripts/serve-web.mjs" "$site" "$port" >"$address" 2>/dev/null &
    server=$!
    trap 'kill $server 2>/dev/null; rm -f "$address"' EXIT
    # The server prints its address once it listens; a port in use ends it instead.
    until [ -s "$address" ]; do
        if ! kill -0 "$server" 2>/dev/null; then
            echo "kalvanor: cannot serve the page on port $port (in use? KALVANOR_WEB_PORT picks another)" >&2
            exit 1
        fi
        sleep 0.1
    done
    echo "Serving Kalvanor on http://localhost:$port/"
    echo "No display found: loading the page in headless Chromium for a few seconds instead."
    # The software WebGL of a headless browser; --no-sandbox because Chromium refuses to run as
    # root with its sandbox.
    chromium --headless=new --no-sandbox --use-angle=swiftshader --enable-unsafe-swiftshader \
        --window-size=1100,900 --virtual-time-budget=8000 --screenshot="$shot" \
        "http://localhost:$port/" >/dev/null 2>&1
    [ -s "$shot" ] || { echo "kalvanor: the page gave no screenshot" >&2; exit 1; }
    echo "Saved a screenshot of the page to $shot"
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
