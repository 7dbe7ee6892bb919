#!/usr/bin/env bash
# Builds everything and runs every test (unit, gl and e2e labels); ends with a summary line.
# Without a display the tests run under Xvfb. Extra arguments go to ctest (e.g. -L unit).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/scripts/packages.sh"
ensure_packages "$kalvanor_packages_test"

cmake -S "$here" -B "$here/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$here/build" -j"$(nproc)"

cd "$here/build"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
run=(ctest --output-on-failure -j"$(nproc)" "$@")
if has_display; then
    "${run[@]}" 2>&1 | tee "$log" || true
else
    xvfb-run -a -s "-screen 0 1024x768x24" "${run[@]}" 2>&1 | tee "$log" || true
fi

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
