# Shared steps of the end-to-end tests: each test runs the real game in a working directory of
# its own (config.txt and a link to the assets) under an Xvfb of its own.
# Usage from a test: source lib.sh "$@"   (arguments: KALVANOR_BINARY SOURCE_DIR)
#
# On llvmpipe a frame takes from 60 ms to several hundred. The game keeps a tap between two frames
# for the next one, but a held key acts in every frame it is down: drive and aim by holding, and
# measure waits in seconds.

set -u
binary=$1
source_dir=$2

[ -z "${KALVANOR_E2E_TRACE:-}" ] || set -x

workdir=$(mktemp -d)
xvfb_pid=""
trap '[ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null; rm -rf "$workdir"' EXIT

# An X server of the test's own. With -displayfd the server takes the first free display itself
# and writes its number once it accepts connections; xvfb-run -a chooses the number before its
# server starts, so two tests starting together could both choose the same one.
# -noreset: a server resets when its last client leaves and drops a connection arriving meanwhile,
# as xdotool's polls and the game's start can.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$workdir/display" 2>"$workdir/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 400); do
    [ -s "$workdir/display" ] || ! kill -0 "$xvfb_pid" 2>/dev/null && break
    sleep 0.05
done
if ! [ -s "$workdir/display" ]; then
    echo "FAIL: Xvfb did not start"
    cat "$workdir/xvfb.log"
    exit 1
fi
export DISPLAY=:$(head -n 1 "$workdir/display")
ln -s "$source_dir/assets" "$workdir/assets"
failures=0
pid=""

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

finish() {
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
        kill -9 "$pid"
        wait "$pid" 2>/dev/null
    fi
    if [ "$failures" -ne 0 ]; then
        echo "$failures check(s) failed"
        exit 1
    fi
    echo "all checks passed"
    exit 0
}

write_config() {
    printf '%b' "$1" > "$workdir/config.txt"
}

good_config='fullscreen=no\nwidth=640\nheight=480\nrefresh_rate=60\ncursor=yes\n'

# Runs the game to completion in the working directory; sets status, out and err.
run_to_end() {
    (cd "$workdir" && timeout 20 "$binary" >"$workdir/out.txt" 2>"$workdir/err.txt")
    status=$?
    out=$(cat "$workdir/out.txt")
    err=$(cat "$workdir/err.txt")
}

# Starts the game in the background and waits up to 30 s for its window; sets pid and window.
# On failure it says why, with whatever the game wrote.
start_game() {
    (cd "$workdir" && exec "$binary" >"$workdir/out.txt" 2>"$workdir/err.txt") &
    pid=$!
    window=""
    local why="no window named Kalvanor within 30 s"
    for _ in $(seq 300); do
        window=$(xdotool search --name '^Kalvanor' 2>/dev/null | head -n 1)
        [ -n "$window" ] && return 0
        if ! kill -0 "$pid" 2>/dev/null; then
            wait "$pid"
            why="the game ended with status $? before its window appeared"
            break
        fi
        sleep 0.1
    done
    echo "$why on display $DISPLAY"
    echo "game stdout: $(cat "$workdir/out.txt")"
    echo "game stderr: $(cat "$workdir/err.txt")"
    return 1
}

# Starts the game windowed at $1 x $2 and waits for its first frame (the status title); ends the
# test when the window never appears.
start_playing() {
    write_config "fullscreen=no\nwidth=$1\nheight=$2\nrefresh_rate=60\ncursor=yes\n"
    start_game || { fail "no window named Kalvanor appeared"; finish; }
    wait_for_title '^Kalvanor \| \[F1\] debug$' 30 || fail "no status title after the first frame: '$title'"
}

# Waits up to $1 seconds for the game to end; sets status (124 when it did not end).
wait_for_end() {
    local tenths=$(($1 * 10))
    for _ in $(seq "$tenths"); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null; then
        kill -9 "$pid"
        wait "$pid" 2>/dev/null
        status=124
        return
    fi
    wait "$pid"
    status=$?
}

# Waits up to $2 seconds (default 10) for the window title to match an extended regular
# expression; sets title. The first frame alone can take seconds: shaders compile and the
# shadow map is made.
wait_for_title() {
    local tenths=$((${2:-10} * 10))
    for _ in $(seq "$tenths"); do
        title=$(xdotool getwindowname "$window" 2>/dev/null)
        grep -qE "$1" <<<"$title" && return 0
        sleep 0.1
    done
    return 1
}

# Holds a key for $2 seconds (default 0.4): long enough for a slow frame to see it down.
press() {
    xdotool keydown --window "$window" "$1"
    sleep "${2:-0.4}"
    xdotool keyup --window "$window" "$1"
}

# Holds a key until the title matches $2 (up to 10 s), so that however slow the frames are the
# game sees it exactly once; sets title.
press_until() {
    local result=0
    xdotool keydown --window "$window" "$1"
    wait_for_title "$2" || result=1
    xdotool keyup --window "$window" "$1"
    return $result
}

# Holds Escape until the game ends, up to $1 seconds; sets status like wait_for_end.
quit_game() {
    xdotool keydown --window "$window" Escape
    wait_for_end "$1"
    # The window is gone by now; xdotool complains about that.
    xdotool keyup --window "$window" Escape 2>/dev/null
}

# Saves the window's content. PPM, not PNG: compressing a PNG takes seconds beside a running
# game on two cores, and the game moves on meanwhile.
screenshot() {
    import -window "$window" "$workdir/$1.ppm" || fail "no screenshot $1"
}

# Copies screenshots to KALVANOR_E2E_SHOTS as PNG when that folder is set, to look at them.
keep_shots() {
    [ -n "${KALVANOR_E2E_SHOTS:-}" ] || return 0
    local name
    for name in "$@"; do
        convert "$workdir/$name.ppm" "$KALVANOR_E2E_SHOTS/$name.png"
    done
}

# Prints how many pixels of screenshot $1 inside GEOMETRY $2 (ImageMagick WxH+X+Y) have every
# channel within its range, then their bounding box: $3..$8 are red, green and blue lower and
# upper bounds in 0..1. Thresholds compare strictly, so a bound of 0 or 1 is left out.
count_pixels() {
    local shot=$1 geometry=$2
    local args=() channel=0 low high
    shift 2
    while [ $# -ge 2 ]; do
        low=$1 high=$2
        shift 2
        if awk "BEGIN { exit !($low > 0) }"; then
            args+=(\( -clone "$channel" -threshold "$(awk "BEGIN { print $low * 100 }")%" \))
        fi
        if awk "BEGIN { exit !($high < 1) }"; then
            args+=(\( -clone "$channel" -negate -threshold "$(awk "BEGIN { print (1 - $high) * 100 }")%" \))
        fi
        channel=$((channel + 1))
    done
    # The white image keeps the sequence non-empty when every bound is left out.
    convert "$workdir/$shot.ppm" -crop "$geometry" +repage -separate \
        \( -clone 0 -fill white -colorize 100 \) "${args[@]}" -delete 0-2 \
        -evaluate-sequence min -format '%[fx:round(mean * w * h)] %@' info: 2>/dev/null
}

# Prints the fraction of the terrain in screenshots $1 and $2 that changed between them by more
# than 0.1 in some channel. Terrain here is what is blue above 0.8 in both (snow, water, sky and
# fog); the robots, which move on their own, are left out so that only the view's motion counts.
terrain_change() {
    convert "$workdir/$1.ppm" "$workdir/$2.ppm" \
        \( -clone 0,1 -compose difference -composite -separate -evaluate-sequence max -threshold 10% \) \
        \( -clone 0 -channel B -separate +channel -threshold 80% \) \
        \( -clone 1 -channel B -separate +channel -threshold 80% \) \
        -delete 0,1 \( -clone 1,2 -evaluate-sequence min \) -delete 1,2 \
        \( -clone 0,1 -evaluate-sequence min \) -delete 0 \
        -format '%[fx:mean] ' info: | awk '{ printf "%.3f", ($1 > 0 ? $2 / $1 : 0) }'
}

# Checks that screenshot $1, of a window $2 x $3 pixels, shows the scene: pale sky or fog along
# the top edge, bright snow over much of the lower half, and many colours.
check_scene_shows() {
    local shot=$1 width=$2 height=$3 strip=$(($3 / 20))
    local sky snow colours
    # The clear and fog colour is (0.8, 0.9, 0.95); distant hills fade into it.
    sky=$(count_pixels "$shot" "${width}x$strip+0+0" 0.72 0.88 0.82 0.98 0.87 1 |
        awk -v n=$((width * strip)) '{ printf "%.3f", $1 / n }')
    snow=$(count_pixels "$shot" "${width}x$((height / 2))+0+$((height / 2))" 0.7 1 0.7 1 0.8 1 |
        awk -v n=$((width * height / 2)) '{ printf "%.3f", $1 / n }')
    colours=$(identify -format '%k' "$workdir/$shot.ppm")
    echo "$shot: sky colour in the top strip $sky, bright snow in the lower half $snow, $colours colours"
    awk "BEGIN { exit !($sky >= 0.6) }" || fail "$shot: too little sky or fog colour along the top ($sky)"
    awk "BEGIN { exit !($snow >= 0.5) }" || fail "$shot: too little bright snow in the lower half ($snow)"
    [ "$colours" -ge 2000 ] || fail "$shot: only $colours colours"
}

expect_failure() {
    local what=$1 expected=$2
    run_to_end
    [ "$status" -eq 1 ] || fail "$what: exit status $status, expected 1"
    [ "$err" = "kalvanor: $expected" ] || fail "$what: stderr was '$err', expected 'kalvanor: $expected'"
    [ -z "$out" ] || fail "$what: unexpected stdout '$out'"
    if xdotool search --name '^Kalvanor' >/dev/null 2>&1; then
        fail "$what: a window was left open"
    fi
}

# Holds debug key $1 until the title matches $2, then leaves it up for two frames (the debug
# title tells how long the last one took), so that the next press of the same key counts again.
toggle() {
    kill -0 "$pid" 2>/dev/null || return 0 # gone: the exit status tells why
    press_until "$1" "$2" || fail "$1 did not bring '$2' into the title: '$title'"
    local ms
    ms=$(grep -oE '[0-9]+ms' <<<"$title" | head -n 1)
    sleep "$(awk -v ms="${ms%ms}" 'BEGIN { s = ms / 500; print (s > 0.4 ? s : 0.4) }')"
}

# Holds mouse button $1 (1 left, 3 right) for $2 seconds with the cursor at ($3, $4).
hold_button() {
    xdotool mousemove --window "$window" "$3" "$4" mousedown --window "$window" "$1"
    sleep "$2"
    xdotool mouseup --window "$window" "$1"
}

# Drags with the right button from x $1 to x $2 at height $3 and holds there for $4 seconds:
# the camera orbits, the farther from where the drag began the faster.
orbit() {
    xdotool mousemove --window "$window" "$1" "$3" mousedown --window "$window" 3
    sleep 0.3
    xdotool mousemove --window "$window" "$2" "$3"
    sleep "$4"
    xdotool mouseup --window "$window" 3
}

# One round of play, about 30 s, in a window $1 x $2: drive and turn, fire at four aim points
# (one while driving), orbit the camera both ways, then every debug key on and back, F5 through
# its three steps. It leaves the game as it found it: debug mode off, every setting at rest.
play_round() {
    local w=$1 h=$2
    press w 2
    xdotool keydown --window "$window" w
    hold_button 1 1.5 $((w / 2)) $((h / 4))
    xdotool keyup --window "$window" w
    press a 1.2
    hold_button 1 1.5 $((w / 4)) $((h / 3))
    press d 1.5
    press s 1.5
    hold_button 1 1.5 $((3 * w / 4)) $((h / 3))
    orbit $((w / 2)) $((w / 2 + 200)) $((h / 2)) 1.5
    hold_button 1 1.5 $((w / 2)) $((3 * h / 4))
    orbit $((w / 2)) $((w / 2 - 200)) $((h / 2)) 1.5
    toggle F1 '\[F1\] stop debugging'
    toggle F3 '\[F3\] wireframe'
    toggle F3 '\[F3\] solid'
    toggle F4 '\[F4\] nearest sampling'
    toggle F4 '\[F4\] linear sampling'
    toggle F5 '\[F5\] no mipmaps'
    toggle F5 '\[F5\] nearest mipmapping'
    toggle F5 '\[F5\] linear mipmapping'
    toggle F8 '\[F8\] culling disabled'
    toggle F8 '\[F8\] culling enabled'
    toggle F9 '\[F9\] no transparency'
    toggle F9 '\[F9\] transparency$'
    toggle F1 '^Kalvanor \| \[F1\] debug$'
}

# Taps key $1 once, press and release a few milliseconds apart as a fast typist or a macro pad
# sends them: well inside one frame of the game.
tap() {
    xdotool key --window "$window" "$1"
}

# kalvanor-snapshot of the same build as the game under test.
snapshot_tool=$(dirname "$binary")/tools/snapshot/kalvanor-snapshot

# Prints the numbers (from 0) of the frames of recording $1 in which input bit $2 was set: 0
# Escape, 1-4 W A S D, 5-10 F1 F3 F4 F5 F8 F9, 11 left button, 12 right button. A recording is
# a 32-byte header and then 82 bytes a frame, whose bytes 8-9 hold these bits.
frames_with() {
    od -An -v -tu1 -w82 -j32 "$1" | awk -v bit="$2" 'NF == 82 { if (int(($9 + 256 * $10) / 2 ^ bit) % 2 == 1) print NR - 1 }'
}

# Prints how many pixels of picture $1 show the beam's own pink.
beam_pixels() {
    convert "$1" -alpha off -fx '(r >= 0.78 && g <= 0.39 && b >= 0.23 && b <= 0.78) ? 1 : 0' \
        -format '%[fx:round(mean * w * h)]' info:
}
