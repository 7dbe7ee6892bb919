#!/usr/bin/env bash
# A minute of play with the GL checks on (KALVANOR_GL_CHECKS=1): driving, turning, firing at
# several aim points, orbiting the camera and every debug key on and back raise no GL error in
# any pass, leave the number of live GL objects as it was, and Escape still ends the game cleanly.
source "$(dirname "$0")/lib.sh" "$@"
export KALVANOR_GL_CHECKS=1

width=800
height=600
start_playing $width $height
started=$SECONDS
# Two rounds of about 30 s; whether the player is still alive in the second does not matter,
# since the "over" phase draws the same passes.
play_round $width $height
play_round $width $height
echo "played for $((SECONDS - started)) s"
quit_game 5
[ "$status" -eq 0 ] || fail "exit status after Escape was $status, expected 0 within 5 s"

# The check reports errors and, every 10 s, the objects alive; the first count, written after
# the first frame, also shows that the check was on.
err="$workdir/err.txt"
gl_errors=$(grep -c '^kalvanor: GL error ' "$err")
[ "$gl_errors" -eq 0 ] || fail "$gl_errors GL error(s) reported: $(grep '^kalvanor: GL error ' "$err" | sort | uniq -c | head -n 10)"
others=$(grep -v -e '^kalvanor: GL error ' -e '^kalvanor: gl objects: [0-9]* (' "$err")
[ -z "$others" ] || fail "unexpected stderr: $others"
[ -z "$(cat "$workdir/out.txt")" ] || fail "unexpected stdout: $(cat "$workdir/out.txt")"
counts=$(sed -n 's/^kalvanor: gl objects: \([0-9]*\) .*/\1/p' "$err" | tr '\n' ' ')
echo "live GL objects every 10 s: $counts"
[ -n "$counts" ] || fail "no count of GL objects: the check was not on"
[ "$(tr ' ' '\n' <<<"$counts" | sed '/^$/d' | sort -u | wc -l)" -le 1 ] || fail "the number of live GL objects changed: $counts"
finish
