#!/usr/bin/env bash
# A session played with xdotool while the game records it (KALVANOR_RECORD), then killed,
# replays exactly: kalvanor-snapshot --replay meets every frame's checksum, its last frame looks
# like the game's last frame, and a second replay writes the same bytes; the game itself replays
# it (KALVANOR_REPLAY) to its end. A left-button click, shorter than a frame, fired the beam.
source "$(dirname "$0")/lib.sh" "$@"

width=800
height=600
export KALVANOR_RECORD=session.rec
start_playing $width $height
press w 1.5
tap F1
wait_for_title 'stop debugging' || fail "F1 tap did not switch debug mode on: '$title'"
sleep 0.5
tap F3
wait_for_title '\[F3\] wireframe' || fail "F3 tap did not switch wireframe on: '$title'"
sleep 0.5
tap F3
wait_for_title '\[F3\] solid' || fail "F3 tap did not switch wireframe off: '$title'"
sleep 0.5
tap F1
wait_for_title '^Kalvanor \| \[F1\] debug$' || fail "F1 tap did not switch debug mode off: '$title'"
xdotool keydown --window "$window" d
hold_button 1 1 $((width / 2 + 100)) $((height / 4))
xdotool keyup --window "$window" d
orbit $((width / 2)) $((width / 2 + 150)) $((height / 2)) 1
xdotool mousemove --window "$window" $((width / 2)) $((height / 5))
sleep 0.5
xdotool click --window "$window" 1
sleep 0.5
press a 0.5
sleep 1
# Stopped, the window shows the last frame the game drew, and the recording ends with it or the
# frame after (written before it is drawn). Killed, the game leaves every whole frame on disk.
kill -STOP "$pid"
screenshot last
kill -9 "$pid"
wait "$pid" 2>/dev/null
[ -z "$(cat "$workdir/err.txt")" ] || fail "unexpected stderr while recording: $(cat "$workdir/err.txt")"
unset KALVANOR_RECORD
rec=$workdir/session.rec
[ -s "$rec" ] || { fail "no recording written"; finish; }
frames=$((($(stat -c %s "$rec") - 32) / 82))
echo "recorded $frames frames"

# replay OUT [ARGS...]: kalvanor-snapshot --replay in the working directory; sets status and err.
replay() {
    (cd "$workdir" && timeout 120 "$snapshot_tool" --replay session.rec "${@:2}" "$1" 2>"$workdir/replay_err.txt")
    status=$?
    err=$(cat "$workdir/replay_err.txt")
}
replay replayed.png
[ "$status" -eq 0 ] && [ -z "$err" ] || fail "replay exited $status: $err"
replay again.png
cmp -s "$workdir/replayed.png" "$workdir/again.png" || fail "two replays of one recording wrote different pictures"
# mae A B: the mean difference of two pictures, 0 to 1.
mae() { compare -metric MAE "$1" "$2" null: 2>&1 | sed -nE 's/.*\(([0-9.e-]+)\).*/\1/p'; }
# The window shows the last frame recorded, or the one before when the game was stopped between
# writing a frame and showing it.
difference=$(mae "$workdir/replayed.png" "$workdir/last.ppm")
if ! awk -v d="$difference" 'BEGIN { exit !(d != "" && d < 0.01) }'; then
    replay before_last.png --frame $((frames - 2))
    difference=$(mae "$workdir/before_last.png" "$workdir/last.ppm")
fi
echo "mean difference between the replay's frame and the game's last: $difference"
awk -v d="$difference" 'BEGIN { exit !(d != "" && d < 0.01) }' || fail "the replay's last frames differ from the game's by $difference"

# The click: at least one frame read the left button, and the beam shows in it.
clicks=$(frames_with "$rec" 11 | tr '\n' ' ')
echo "frames with the left button: $clicks"
clicks=${clicks% }
first=${clicks##* } # the click; the frames before it held the button
if [ -z "$first" ]; then
    fail "no frame read the left-button click"
else
    # Compared with the frame before rather than with a fixed count: how long the beam looks
    # depends on where the player stands when the click comes, which depends on the frame times.
    replay click.png --frame "$first"
    [ "$status" -eq 0 ] || fail "replay of frame $first exited $status: $err"
    replay before_click.png --frame $((first - 1))
    beam=$(beam_pixels "$workdir/click.png")
    before=$(beam_pixels "$workdir/before_click.png")
    echo "beam pixels in frame $first: $beam, in the frame before: $before"
    [ "${beam:-0}" -ge $((${before:-0} + 50)) ] ||
        fail "no beam in frame $first, the frame of the click ($beam pink pixels, $before before)"
fi
for key in 5 6; do
    [ -n "$(frames_with "$rec" $key)" ] || fail "no frame read the tap of input bit $key"
done

# The game replays it in its own window and ends with its last frame.
export KALVANOR_REPLAY=session.rec
start_game || fail "the replaying game showed no window"
wait_for_end 120
[ "$status" -eq 0 ] || fail "the game's replay exited $status: $(cat "$workdir/err.txt")"
# A recording whose frame 3 took another dt diverges there; a file that is no recording is
# refused before a window opens.
cp "$rec" "$workdir/changed.rec"
offset=$((32 + 82 * 3 + 5))
byte=$(od -An -tu1 -j$offset -N1 "$rec" | tr -d ' ')
printf "\\x$(printf %02x $((byte ^ 255)))" | dd of="$workdir/changed.rec" bs=1 seek=$offset conv=notrunc status=none
# refused FILE MESSAGE: the game replaying FILE ends with status 1 and stderr "kalvanor: MESSAGE".
# Given a minute rather than run_to_end's 20 s: the divergence comes after start-up and a few
# frames, which take long on a busy machine.
refused() {
    (cd "$workdir" && KALVANOR_REPLAY=$1 timeout 60 "$binary" >"$workdir/out.txt" 2>"$workdir/err.txt")
    status=$?
    [ "$status" -eq 1 ] && [ "$(cat "$workdir/err.txt")" = "kalvanor: $2" ] ||
        fail "replaying $1: status $status, stderr '$(cat "$workdir/err.txt")', expected 1 and 'kalvanor: $2'"
}
refused changed.rec "replay diverged at frame 3"
refused config.txt "'config.txt' is not a Kalvanor recording."
unset KALVANOR_REPLAY

[ -z "${KALVANOR_E2E_SHOTS:-}" ] || cp "$workdir"/*.png "$KALVANOR_E2E_SHOTS/"
keep_shots last
finish
