#!/usr/bin/env bash
# Builds everything, the browser version included, and runs every test (labels unit, gl, e2e,
# package, web and the fuzz targets' replays); ends with a summary line.
# The tests run under an Xvfb of their own, display or not, where every gl test must get its
# OpenGL context (KALVANOR_REQUIRE_GL): a missing one fails with GLFW's reason instead of
# skipping. The golden images are llvmpipe's pictures, which is what Xvfb gives. Extra arguments
# go to ctest (e.g. -L unit).
# --sanitizers, as the first argument: the same tests and each fuzz target for a short while
# (label fuzz), built by clang with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-asan; any sanitizer report fails its test. KALVANOR_BUILD_DIR overrides the build folder.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/scripts/packages.sh"

build=${KALVANOR_BUILD_DIR:-$here/build}
configure=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
labels=()
if [ "${1:-}" = --sanitizers ]; then
    shift
    ensure_packages "$kalvanor_packages_test $kalvanor_packages_sanitizers"
    build=${KALVANOR_BUILD_DIR:-$here/build-asan}
    # The benchmarks are not tests; leaving them out saves build time.
    configure+=(-DCMAKE_CXX_COMPILER=clang++-16 -DKALVANOR_SANITIZERS=ON
        -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON)
    labels=(-L 'unit|gl|e2e|fuzz')
    source "$here/scripts/sanitizers/options.sh"
else
    ensure_packages "$kalvanor_packages_test $kalvanor_packages_web"
    ensure_web_test_tools "$here"
    web=yes
fi

cmake -S "$here" -B "$build" "${configure[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)"
# The browser build, for the web label's tests.
if [ "${web:-}" = yes ]; then
    "$here/scripts/build-web.sh" >/dev/null
    KALVANOR_WEB_SITE=$(realpath -m "${KALVANOR_WEB_BUILD_DIR:-$here/build-web}")/site
    export KALVANOR_WEB_SITE
fi

cd "$build"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
run=(ctest --output-on-failure -j"$(nproc)" "${labels[@]}" "$@")
# -noreset: an X server resets when its last client leaves, and drops a connection that arrives
# meanwhile, which is how one gl test in a run got "X11: Failed to open display" when the test
# before it ended just as it started.
KALVANOR_REQUIRE_GL=1 xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "${run[@]}" 2>&1 | tee "$log" || true

summary=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1 || true)
if [ -z "$summary" ]; then
    echo "tests: no summary from ctest"
    exit 1
fi
failed=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$summary")
total=$(sed -E 's/.* failed out of ([0-9]+).*/\1/' <<<"$summary")
skipped=$(grep -cE '\*\*\*Skipped|Skipped +[0-9.]+ sec' "$log" || true)
echo "tests: $((total - failed - skipped)) passed, $failed failed, $skipped skipped"
[ "$failed" -eq 0 ]
