#!/usr/bin/env bash
# Quick taps, pressed and released within one frame, are never lost: every F1 tap toggles debug
# mode, and an Escape tap ends the game with status 0. A tap here is shorter than a frame of the
# game at 1024x768 on the software renderer, so a game that only polled key states would miss most.
source "$(dirname "$0")/lib.sh" "$@"

start_playing 1024 768
titles=('\[F1\] stop debugging' '^Kalvanor \| \[F1\] debug$')
for n in 1 2 3 4 5 6; do
    tap F1
    wanted=${titles[$(((n + 1) % 2))]}
    wait_for_title "$wanted" 10 || fail "F1 tap $n did not bring '$wanted' into the title: '$title'"
    # Past the frame that saw the tap, so the next tap is a new press.
    sleep 0.5
done

tap Escape
wait_for_end 10
[ "$status" -eq 0 ] || fail "exit status after an Escape tap was $status, expected 0 within 10 s"
[ -z "$(cat "$workdir/err.txt")" ] || fail "unexpected stderr: $(cat "$workdir/err.txt")"
finish
