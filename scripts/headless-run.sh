#!/usr/bin/env bash
# Runs the game on the X display given by DISPLAY (an Xvfb started by play.sh) for a few
# seconds, saves a screenshot of its window, ends it with Escape and says what happened.
# Usage: headless-run.sh KALVANOR_BINARY SCREENSHOT.png [SECONDS]
set -u
binary=$1
shot=$2
seconds=${3:-5}

stop_game() {
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
}

"$binary" &
pid=$!
window=""
for _ in $(seq 100); do
    window=$(xdotool search --name '^Kalvanor' 2>/dev/null | head -n 1)
    [ -n "$window" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if [ -z "$window" ]; then
    if kill -0 "$pid" 2>/dev/null; then
        stop_game
        echo "The game opened no window within 10 seconds; stopped it."
    else
        wait "$pid"
        echo "The game ended without opening a window (exit status $?)."
    fi
    exit 1
fi
echo "The game opened its window \"$(xdotool getwindowname "$window")\"; letting it run for $seconds seconds."
sleep "$seconds"
if ! kill -0 "$pid" 2>/dev/null; then
    wait "$pid"
    echo "The game ended by itself (exit status $?) before the screenshot."
    exit 1
fi
if ! import -window "$window" "$shot" 2>/dev/null; then
    stop_game
    echo "Could not save a screenshot to $shot; stopped the game."
    exit 1
fi
echo "Saved a screenshot of the window to $shot."
xdotool windowfocus --sync "$window" 2>/dev/null
# The game samples the key once a frame and a software-rendered frame can take longer than a
# tap, so Escape is held until the game has ended (or 5 seconds have passed).
xdotool keydown --window "$window" Escape
for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
# The window is gone by now; xdotool complains about that.
xdotool keyup --window "$window" Escape 2>/dev/null
if kill -0 "$pid" 2>/dev/null; then
    stop_game
    echo "The game did not end on Escape; stopped it."
    exit 1
fi
wait "$pid"
status=$?
echo "Sent Escape; the game ended with exit status $status."
exit "$status"
