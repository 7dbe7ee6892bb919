#!/usr/bin/env bash
# Soak: plays the end-to-end play session's round over and over for SECONDS (default 600) with
# the GL checks on, under Xvfb, sampling the game's resident memory every 10 s. Fails when the
# memory grows by more than 2 MB after the first minute, when the number of live GL objects that
# the game reports changes, on any GL error, or when the game does not end cleanly on Escape.
# Usage: scripts/soak.sh [BINARY [SECONDS]]   (default: build/kalvanor; run from anywhere)
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
binary=$(realpath "${1:-$root/build/kalvanor}")
KALVANOR_SOAK_SECONDS=${2:-600}
source "$root/tests/e2e/lib.sh" "$binary" "$root"
export KALVANOR_GL_CHECKS=1

duration=$KALVANOR_SOAK_SECONDS
width=1024
height=768
start_playing $width $height

started=$SECONDS
samples="$workdir/rss.txt"
(
    while kill -0 "$pid" 2>/dev/null; do
        rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status" 2>/dev/null)
        # Where it lives: the main heap, other anonymous memory (thread arenas, driver
        # mappings), mapped files.
        kinds=$(awk '/^[0-9a-f]+-[0-9a-f]+ / { kind = $6 == "[heap]" ? 1 : $6 == "" ? 2 : 3 }
            /^Rss:/ { kb[kind] += $2 } END { print kb[1] + 0, kb[2] + 0, kb[3] + 0 }' \
            "/proc/$pid/smaps" 2>/dev/null)
        [ -n "$rss" ] && echo "$((SECONDS - started)) $rss $kinds" | tee -a "$samples" |
            awk '{ printf "%4d s: resident %d kB (heap %d, other anonymous %d, files %d)\n", $1, $2, $3, $4, $5 }'
        sleep 10
    done
) &
sampler=$!
rounds=0
while [ $((SECONDS - started)) -lt "$duration" ] && kill -0 "$pid" 2>/dev/null; do
    play_round $width $height
    rounds=$((rounds + 1))
done
kill "$sampler" 2>/dev/null
wait "$sampler" 2>/dev/null
echo "played $rounds rounds in $((SECONDS - started)) s"
quit_game 10
[ "$status" -eq 0 ] || fail "exit status after Escape was $status, expected 0 within 10 s"

# Memory: the first minute settles the driver's caches (every debug setting is drawn in the
# first round), so growth is measured from the first sample at or after 60 s.
read -r at_minute at_end growth kinds < <(awk '
    $1 >= 60 && base == "" { base = $2; h = $3; a = $4; f = $5 }
    base != "" { last = $0; if ($2 - base > max) max = $2 - base }
    END { split(last, l, " ")
          print (base == "" ? "none" : base), (base == "" ? "none" : l[2]), max + 0,
              "heap " l[3] - h " kB, other anonymous " l[4] - a " kB, files " l[5] - f " kB" }' "$samples")
echo "resident memory: $at_minute kB at 1 min, $at_end kB at the end, largest growth after 1 min $growth kB"
echo "from 1 min to the end: $kinds"
[ "$at_minute" != none ] || fail "no memory sample after the first minute"
[ "$growth" -le 2048 ] || fail "resident memory grew by $growth kB after the first minute (limit 2048 kB)"

err="$workdir/err.txt"
sed -n 's/^kalvanor: gl objects: \([0-9]*\) .*/\1/p' "$err" > "$workdir/counts.txt"
echo "live GL objects: $(sort -n "$workdir/counts.txt" | uniq -c | awk '{ printf "%s%d (%d reports)", (NR > 1 ? ", " : ""), $2, $1 }')"
grep -m 1 '^kalvanor: gl objects: ' "$err"
distinct=$(sort -u "$workdir/counts.txt" | wc -l)
[ "$distinct" -eq 1 ] || fail "the number of live GL objects was not constant ($distinct different counts)"
gl_errors=$(grep -c '^kalvanor: GL error ' "$err")
[ "$gl_errors" -eq 0 ] || fail "$gl_errors GL error(s): $(grep '^kalvanor: GL error ' "$err" | sort | uniq -c | head -n 10)"
finish
