#!/usr/bin/env bash
# The game opens a window of the configured size named Kalvanor, draws the scene in it, shows its
# status title, switches debug mode with F1 and ends with status 0 when Escape is pressed.
source "$(dirname "$0")/lib.sh" "$@"

write_config 'fullscreen=no\nwidth=800\nheight=600\nrefresh_rate=60\ncursor=yes\n'
start_game || { fail "no window named Kalvanor appeared"; finish; }

wait_for_title '^Kalvanor \| \[F1\] debug$' 30 || fail "title after the first frames was '$title'"

size=$(xdotool getwindowgeometry "$window" | sed -nE 's/.*Geometry: ([0-9]+x[0-9]+).*/\1/p')
[ "$size" = "800x600" ] || fail "window size $size, expected the configured 800x600"
screenshot scene

press_until F1 'stop debugging' || fail "F1 did not switch debug mode on: '$title'"
grep -qE '^Kalvanor \| \[F1\] stop debugging \| FPS: [0-9]+\.[0-9] \| [0-9]+ms \| meshes: [0-9]+ \| triangles: [0-9]+ \| \[F3\] solid' <<<"$title" \
    || fail "debug title has the wrong form: '$title'"
press_until F3 '\[F3\] wireframe' || fail "F3 did not switch wireframe on: '$title'"
press_until F1 '^Kalvanor \| \[F1\] debug$' || fail "F1 did not switch debug mode off: '$title'"

quit_game 5
[ "$status" -eq 0 ] || fail "exit status after Escape was $status, expected 0 within 5 s"
[ -z "$(cat "$workdir/err.txt")" ] || fail "unexpected stderr: $(cat "$workdir/err.txt")"
[ -z "$(cat "$workdir/out.txt")" ] || fail "unexpected stdout: $(cat "$workdir/out.txt")"

keep_shots scene
shot_size=$(identify -format '%wx%h' "$workdir/scene.ppm" 2>/dev/null)
[ "$shot_size" = "800x600" ] || fail "screenshot size '$shot_size', expected 800x600"
check_scene_shows scene 800 600
finish
