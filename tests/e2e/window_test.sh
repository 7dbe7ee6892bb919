#!/usr/bin/env bash
# The game opens a window named Kalvanor, shows its status title, switches debug mode with F1
# and ends with status 0 when Escape is pressed.
source "$(dirname "$0")/lib.sh" "$@"

write_config "$good_config"
if ! start_game; then
    fail "no window named Kalvanor appeared"
    finish
fi

wait_for_title '^Kalvanor \| \[F1\] debug$' || fail "title after the first frames was '$title'"

size=$(xdotool getwindowgeometry "$window" | sed -nE 's/.*Geometry: ([0-9]+x[0-9]+).*/\1/p')
[ "$size" = "640x480" ] || fail "window size $size, expected the configured 640x480"

press F1
wait_for_title 'stop debugging' || fail "F1 did not switch debug mode on: '$title'"
grep -qE '^Kalvanor \| \[F1\] stop debugging \| FPS: [0-9]+\.[0-9] \| [0-9]+ms \| meshes: [0-9]+ \| triangles: [0-9]+ \| \[F3\] solid' <<<"$title" \
    || fail "debug title has the wrong form: '$title'"
press F3
wait_for_title '\[F3\] wireframe' || fail "F3 did not switch wireframe on: '$title'"
press F1
wait_for_title '^Kalvanor \| \[F1\] debug$' || fail "F1 did not switch debug mode off: '$title'"

import -window "$window" "$workdir/shot.png" || fail "no screenshot"
shot_size=$(identify -format '%wx%h' "$workdir/shot.png" 2>/dev/null)
[ "$shot_size" = "640x480" ] || fail "screenshot size '$shot_size'"
if [ -n "${KALVANOR_E2E_SHOTS:-}" ]; then
    cp "$workdir/shot.png" "$KALVANOR_E2E_SHOTS/window.png"
fi

press Escape 2>/dev/null # the window is gone before the key is released
wait_for_end 5
[ "$status" -eq 0 ] || fail "exit status after Escape was $status, expected 0 within 5 s"
[ -z "$(cat "$workdir/err.txt")" ] || fail "unexpected stderr: $(cat "$workdir/err.txt")"
[ -z "$(cat "$workdir/out.txt")" ] || fail "unexpected stdout: $(cat "$workdir/out.txt")"
finish
