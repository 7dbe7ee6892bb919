#!/usr/bin/env bash
# Runs the game on the X display given by DISPLAY (an Xvfb started by play.sh) for a few
# seconds, saves a screenshot of its window, ends it with Escape and says what happened.
# Usage: headless-run.sh KALVANOR_BINARY SCREENSHOT.png [SECONDS]
set -u
binary=$1
shot=$2
seconds=${3:-5}

"$binary" &
pid=$!
window=""
for _ in $(seq 50); do
    window=$(xdotool search --name '^Kalvanor' 2>/dev/null | head -n 1)
    [ -n "$window" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
done
if [ -z "$window" ]; then
    wait "$pid"
    status=$?
    echo "The game did not open a window (exit status $status)."
    exit 1
fi
echo "The game opened its window \"$(xdotool getwindowname "$window")\"; letting it run for $seconds seconds."
sleep "$seconds"
import -window "$window" "$shot"
echo "Saved a screenshot of the window to $shot."
xdotool windowfocus --sync "$window" 2>/dev/null
# The window is gone before the key is released; xdotool complains about that.
xdotool key --window "$window" Escape 2>/dev/null
for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
    kill "$pid"
    echo "The game did not end on Escape; stopped it."
    exit 1
fi
wait "$pid"
status=$?
echo "Sent Escape; the game ended with exit status $status."
exit "$status"
