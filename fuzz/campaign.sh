#!/usr/bin/env bash
# The long fuzz campaign: each target (all, or those named) fuzzed until RUNS executions or
# SECONDS of wall time, all targets at once, in the sanitizer build that `./test.sh --sanitizers`
# makes (KALVANOR_BUILD_DIR overrides build-asan). Strict where the short CI run is lenient: an
# input running 1 s or more is a finding. Then each target's corpus is timed through the replay
# driver, to show the slowest input against the 50 ms goal, and one line per target is printed:
#   target runs exec/s cov ft peak-RSS-MB slowest-input-ms findings
# Findings land in BUILD/fuzz/campaign/artifacts/<target>/; keep each, minimised, as a file
# under fuzz/regressions/<target>/.
# Usage: [RUNS=10000000] [SECONDS_EACH=2400] fuzz/campaign.sh [TARGET...]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${KALVANOR_BUILD_DIR:-$here/build-asan}
runs=${RUNS:-10000000}
seconds=${SECONDS_EACH:-2400}
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    targets=($(cd "$here/fuzz" && ls *_fuzz.cpp | sed 's/_fuzz\.cpp$//'))
fi
source "$here/scripts/sanitizers/options.sh"
# Every exception thrown makes ASan sweep its fake stacks for use after return, which halves the
# speed of the readers that throw on bad input; the CI run and the replays keep that check.
ASAN_OPTIONS+=:detect_stack_use_after_return=0
out=$build/fuzz/campaign
seeds=$out/seeds
bash "$here/fuzz/make-seeds.sh" "$here" "$seeds"

pids=()
for target in "${targets[@]}"; do
    mkdir -p "$out/corpus/$target" "$out/artifacts/$target"
    "$build/fuzz/kalvanor_fuzz_$target" -runs="$runs" -max_total_time="$seconds" \
        -max_len=65536 -rss_limit_mb=300 -timeout=1 -close_fd_mask=1 -print_final_stats=1 \
        -artifact_prefix="$out/artifacts/$target/" "$out/corpus/$target" "$seeds/$target" \
        >"$out/$target.log" 2>&1 &
    pids+=($!)
done
status=0
for pid in "${pids[@]}"; do wait "$pid" || status=1; done

for target in "${targets[@]}"; do
    log=$out/$target.log
    final() { sed -n "s/^stat::$1: *//p" "$log" | tail -n 1; }
    last=$(grep -E '^#[0-9]+' "$log" | tail -n 1)
    cov=$(sed -nE 's/.* cov: ([0-9]+).*/\1/p' <<<"$last")
    ft=$(sed -nE 's/.* ft: ([0-9]+).*/\1/p' <<<"$last")
    slowest=$("$build/fuzz/kalvanor_replay_$target" "$out/corpus/$target" "$seeds/$target" "$seeds/large/$target" 2>/dev/null |
        sed -nE 's/.*slowest ([0-9.]+) ms.*/\1/p')
    findings=$(find "$out/artifacts/$target" -type f | wc -l)
    echo "$target $(final number_of_executed_units) $(final average_exec_per_sec) $cov $ft" \
        "$(final peak_rss_mb) ${slowest:-?} $findings"
done
exit "$status"
