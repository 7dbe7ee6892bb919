#!/usr/bin/env bash
# Builds the browser version of Kalvanor with Emscripten into build-web/site/ (static files:
# index.html, index.js, index.wasm and index.data, which packs assets/ and config.txt).
# KALVANOR_WEB_BUILD_DIR overrides build-web.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
source "$here/scripts/packages.sh"
ensure_packages "$kalvanor_packages_web"
build=$(realpath -m "${KALVANOR_WEB_BUILD_DIR:-$here/build-web}")
# Debian's emcc runs its JavaScript tools with the node first on the PATH, which finds Debian's
# node modules only through NODE_PATH when it is not Debian's own node.
export NODE_PATH=/usr/share/nodejs
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
log=$(mktemp)
trap 'rm -f "$log"' EXIT
# emcmake announces its command line on stderr; only a failure needs to be heard.
if ! emcmake cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" >"$log" 2>&1; then
    cat "$log" >&2
    exit 1
fi
cmake --build "$build" -j"$(nproc)"
echo "The page is in $build/site"
