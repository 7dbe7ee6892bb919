#!/bin/bash
# kalvanor-snapshot's command line: bad usage and a folder without assets, judged by exit status
# and output. Needs no display: each case ends before a window would open.
# Usage: tool_test.sh PATH/TO/kalvanor-snapshot
set -u
tool=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failed=0
usage='usage: kalvanor-snapshot [--size WxH] [--frames N] [--timings] [--help] OUT.png
       kalvanor-snapshot --replay FILE [--size WxH] [--frame N | --timings] OUT.png'

fail() { echo "FAIL: $*"; failed=1; }

# check STATUS STDERR ARGS...: the tool exits STATUS, prints STDERR exactly on standard error and
# nothing on standard output.
check() {
    local expected=$1 want=$2 status
    out=$("$tool" "${@:3}" 2>"$work/err") && status=0 || status=$?
    [ "$status" -eq "$expected" ] && [ -z "$out" ] && [ "$(cat "$work/err")" = "$want" ] ||
        fail "'${*:3}' exited $status, expected $expected: '$out' / '$(cat "$work/err")'"
}

for args in "" "--size" "--size 1024 x.png" "--size 0x768 x.png" "--size 1024x-1 x.png" "--frames 0 x.png" \
    "--frames 2x x.png" "--timings --frames 3 x.png" "--replay r.rec --frame 2 --timings x.png" "--colour x.png" "a.png b.png"; do
    # shellcheck disable=SC2086 # the cases are split into arguments on purpose
    check 2 "$usage" $args
done
check 1 'kalvanor-snapshot: There is no assets/ folder in the working directory.' --frames 1 x.png
[ -e x.png ] && fail "a failed run left x.png behind"
mkdir assets
check 1 "kalvanor-snapshot: Cannot open the recording 'missing.rec'." --replay missing.rec x.png
printf 'KALVREC\n\1\0\0\0' > short.rec
check 1 "kalvanor-snapshot: 'short.rec' ends inside its header." --replay short.rec x.png
rmdir assets

help=$("$tool" --help) || fail "--help exited $?"
for word in "$usage" "--timings" "pass NAME: median X.XX ms" "frame WxH: median X.X ms, p95 Y.Y ms over N frames" "recorded WxH" \
    "warm-up" "right button" "left button" "KALVANOR_RECORD" "replay diverged at frame N"; do
    [[ "$help" == *"$word"* ]] || fail "--help does not mention '$word'"
done

[ "$failed" -eq 0 ] && echo "kalvanor-snapshot: command line checks passed"
exit "$failed"
