#!/usr/bin/env bash
# The real game at 1024x768 draws its world and answers input in the picture: the left button
# shows the beam, W moves the view, F3 draws wireframe; F1 and F8 report the meshes drawn.
source "$(dirname "$0")/lib.sh" "$@"

width=1024
height=768
start_playing $width $height
# Above the centre, so that the beam will point away from the camera.
xdotool mousemove --window "$window" $((width / 2)) $((height / 4))
screenshot start

# The beam and driving need the player alive, and the enemies reach and kill it within about ten
# seconds; so they come first, and both debug keys go down at once. F8 goes down after F1, so
# whichever frame sees it has debug mode on. With culling off the count does not depend on the
# view: sky, player (4), ground, 12 enemies with their lights; the beam adds one, which tells
# when a frame with the beam is on screen.
xdotool keydown --window "$window" F1 keydown --window "$window" F8
wait_for_title 'meshes: [1-9][0-9]* \| triangles: [1-9].*culling disabled' ||
    fail "F1 and F8 did not show meshes and triangles drawn with culling off: '$title'"
xdotool keyup --window "$window" F1 keyup --window "$window" F8
wait_for_title '\| meshes: 30 \|' ||
    fail "with culling off and no beam the title reads '$title', expected meshes: 30"

xdotool mousedown --window "$window" 1
wait_for_title '\| meshes: 31 \|' || fail "holding the left button did not add the beam mesh: '$title'"
screenshot beam
xdotool mouseup --window "$window" 1
press w 1.5
screenshot driven
wait_for_title '\| meshes: 30 \|' || fail "releasing the left button left '$title'"
press_until F3 '\[F3\] wireframe' || fail "F3 did not switch wireframe on: '$title'"
screenshot wireframe

quit_game 5
[ "$status" -eq 0 ] || fail "exit status after Escape was $status, expected 0 within 5 s"
[ -z "$(cat "$workdir/err.txt")" ] || fail "unexpected stderr: $(cat "$workdir/err.txt")"
[ -z "$(cat "$workdir/out.txt")" ] || fail "unexpected stdout: $(cat "$workdir/out.txt")"

# Measured after the game has ended, so that it does not slow ImageMagick down.
shots="start beam driven wireframe"
keep_shots $shots
for shot in $shots; do
    size=$(identify -format '%wx%h' "$workdir/$shot.ppm" 2>/dev/null)
    [ "$size" = "${width}x$height" ] || fail "screenshot $shot is '$size', expected ${width}x$height"
done
check_scene_shows start $width $height

# The beam's core is (1, 0, ~0.5); enemies' red lamps, however fogged, keep green near blue.
# The beam thins as it heats up, and enemies can stand in front of it: a few dozen pixels do.
read -r with_beam box < <(count_pixels beam "${width}x$height+0+0" 0.8 1 0 0.25 0.3 1)
read -r without_beam _ < <(count_pixels start "${width}x$height+0+0" 0.8 1 0 0.25 0.3 1)
echo "beam-coloured pixels: $with_beam (within $box) with the left button held, $without_beam before"
[ "$with_beam" -ge 60 ] || fail "only $with_beam beam-coloured pixels with the left button held"
[ "$without_beam" -le 20 ] || fail "$without_beam beam-coloured pixels with the button up"
# Away from the camera is up the screen, from the player in the middle.
read -r box_width box_height box_x box_y < <(tr 'x+' '  ' <<<"$box")
off_centre=$((2 * box_x + box_width - width))
if [ "$with_beam" -gt 0 ] &&
    { [ $((box_y + box_height)) -gt $((height / 2)) ] || [ "${off_centre#-}" -gt $((width / 10)) ]; }; then
    fail "the beam ($box) does not point up the screen from the middle"
fi

# The beam itself is not terrain, so the shot with it serves as the view before driving.
moved=$(terrain_change beam driven)
echo "holding W for 1.5 s changed $moved of the terrain"
awk "BEGIN { exit !($moved >= 0.1) }" || fail "holding W hardly moved the view ($moved of the terrain changed)"
wire=$(terrain_change driven wireframe)
echo "wireframe changed $wire of the terrain"
awk "BEGIN { exit !($wire >= 0.3) }" || fail "F3 hardly changed the picture ($wire of the terrain changed)"
finish
