#!/usr/bin/env bash
# Measures Kalvanor's frame on this machine against glmark2's terrain scene, in one run under one
# X server, and its start-up. Never judges the figures: it prints them, and with --readme writes
# them into the README's performance section.
# --web adds the browser build's frame in headless Chromium beside the game's window's.
# Usage: scripts/benchmark.sh [--readme] [--web] [--frames N] [--starts N]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
source "$here/scripts/packages.sh"
ensure_packages "$kalvanor_packages_game glmark2-x11 mesa-utils"

readme=no
web=no
frames=240
starts=7
while [ $# -gt 0 ]; do
    case $1 in
        --readme) readme=yes ;;
        --web) web=yes ;;
        --frames) frames=$2; shift ;;
        --starts) starts=$2; shift ;;
        *) echo "usage: scripts/benchmark.sh [--readme] [--web] [--frames N] [--starts N]" >&2; exit 2 ;;
    esac
    shift
done

build=$(realpath -m "${KALVANOR_BUILD_DIR:-$here/build}")
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" --target kalvanor kalvanor-snapshot kalvanor-empty-window >/dev/null
if [ "$web" = yes ] && [ -z "${KALVANOR_BENCHMARK_XVFB:-}" ]; then
    ensure_web_test_tools "$here"
    "$here/scripts/build-web.sh" >/dev/null
fi
site=$(realpath -m "${KALVANOR_WEB_BUILD_DIR:-$here/build-web}")/site

if [ -z "${KALVANOR_BENCHMARK_XVFB:-}" ]; then
    export KALVANOR_BENCHMARK_XVFB=1
    args=(--frames "$frames" --starts "$starts")
    [ "$readme" = yes ] && args+=(--readme)
    [ "$web" = yes ] && args+=(--web)
    # -noreset: between two starts the server has no client, and one that resets then drops the
    # next start's connection ("Failed initializing GLFW.").
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash "$0" "${args[@]}"
fi

sizes="800x600 1024x768"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Kalvanor: the snapshot tool's scripted scene through the whole pipeline, the first frames left
# out as warm-up.
for size in $sizes; do
    (cd "$here" && "$build/tools/snapshot/kalvanor-snapshot" --size "$size" --frames "$frames" --timings \
        "$work/$size.png") >"$work/$size.txt"
    echo "== Kalvanor $size, $frames frames"
    cat "$work/$size.txt"
done

# glmark2's terrain scene in a window of the same size under the same X server.
for size in $sizes; do
    glmark2 -b terrain -s "$size" >"$work/glmark2-$size.txt" 2>&1
    sed -nE 's/.*FrameTime: ([0-9.]+) ms.*/\1/p' "$work/glmark2-$size.txt" | tail -n 1 >"$work/glmark2-$size.ms"
    echo "== glmark2 terrain $size: $(cat "$work/glmark2-$size.ms") ms a frame"
done

# Start-up: from the process's start to its first frame on screen, which is when the window
# title changes from "Kalvanor" to the status line. The empty window (the game's window and
# context, nothing loaded, one cleared frame) starts alternately with the game: what it takes is
# the system's share, the same for any program that opens a GL window here.
game=$work/game
mkdir -p "$game"
ln -s "$here/assets" "$game/assets"
printf 'fullscreen=no\nwidth=800\nheight=600\nrefresh_rate=60\ncursor=yes\n' >"$game/config.txt"
time_start() { # PROGRAM: milliseconds from its start to its first frame
    local start pid
    start=$(date +%s%N)
    (cd "$game" && exec "$1") >/dev/null 2>"$work/game.err" &
    pid=$!
    until xdotool search --name '^Kalvanor \|' >/dev/null 2>&1; do
        if ! kill -0 "$pid" 2>/dev/null; then
            echo "$1 ended before its first frame:" >&2
            cat "$work/game.err" >&2
            exit 1
        fi
        sleep 0.01
    done
    echo $((($(date +%s%N) - start) / 1000000))
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}
median() { sort -n "$1" | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
: >"$work/starts.ms"
: >"$work/empty.ms"
for _ in $(seq "$starts"); do
    time_start "$build/kalvanor" >>"$work/starts.ms"
    time_start "$build/tools/empty_window/kalvanor-empty-window" >>"$work/empty.ms"
done
startup=$(median "$work/starts.ms")
empty=$(median "$work/empty.ms")
echo "== start-up to the first frame: median $startup ms of $starts runs ($(sort -n "$work/starts.ms" | tr '\n' ' '))"
echo "== the empty window's start-up: median $empty ms ($(sort -n "$work/empty.ms" | tr '\n' ' '))"

# The game's own window, standing where it starts: the frame time its debug title (F1) shows,
# sampled twice a second for 10 s. It also pays for the picture's way to the X server. The
# session is recorded and ends with Escape, so that the snapshot tool can replay the same frames
# in its hidden window: the difference between the two is the window's own cost, not the scene's.
window_frame() { # WIDTH HEIGHT OUT: the readings, one a line; OUT.rec the session
    printf 'fullscreen=no\nwidth=%s\nheight=%s\nrefresh_rate=60\ncursor=yes\n' "$1" "$2" >"$game/config.txt"
    (cd "$game" && KALVANOR_RECORD="$3.rec" exec "$build/kalvanor") >/dev/null 2>"$work/game.err" &
    local pid=$! window
    until window=$(xdotool search --name '^Kalvanor \|' 2>/dev/null | head -n 1) && [ -n "$window" ]; do sleep 0.05; done
    sleep 2
    xdotool key --window "$window" F1
    sleep 1
    for _ in $(seq 20); do
        xdotool getwindowname "$window" | sed -nE 's/.*FPS: [0-9.]+ \| ([0-9]+)ms.*/\1/p'
        sleep 0.5
    done >"$3"
    xdotool key --window "$window" Escape
    wait "$pid" || { echo "the game failed in its window:" >&2; cat "$work/game.err" >&2; exit 1; }
}
window_frame 1024 768 "$work/window.ms"
window_ms=$(median "$work/window.ms")
echo "== the game's window at 1024x768 (F1 title): median $window_ms ms a frame ($(sort -n "$work/window.ms" | tr '\n' ' '))"
(cd "$here" && "$build/tools/snapshot/kalvanor-snapshot" --replay "$work/window.ms.rec" --timings "$work/replay.png") \
    >"$work/replay.txt"
replay_ms=$(sed -nE 's/^frame [0-9x]+: median ([0-9.]+) ms.*/\1/p' "$work/replay.txt")
recorded_ms=$(sed -nE 's/^recorded [0-9x]+: median ([0-9.]+) ms.*/\1/p' "$work/replay.txt")
window_over=$(awk -v w="$window_ms" -v r="$replay_ms" 'BEGIN { printf "%+.0f", 100 * (w / r - 1) }')
echo "== the same session replayed by kalvanor-snapshot: median $replay_ms ms a frame (the window's own" \
    "frame times, recorded: median $recorded_ms ms); the title reads ${window_over} % against the replay"

# The browser build at 800x600 in headless Chromium (software WebGL 2 on SwiftShader) beside the
# game's own window at the same size and place; --web only, as it builds the page.
if [ "$web" = yes ]; then
    window_frame 800 600 "$work/window-800.ms"
    native_ms=$(median "$work/window-800.ms")
    node "$here/benchmarks/web_frame.mjs" "$site" 800x600 20 >"$work/web.ms"
    web_ms=$(median "$work/web.ms")
    web_ratio=$(awk -v w="$web_ms" -v n="$native_ms" 'BEGIN { printf "%.1f", w / n }')
    echo "== the page at 800x600 in Chromium: median $web_ms ms a frame ($(sort -n "$work/web.ms" | tr '\n' ' '))"
    echo "== the game's window at 800x600: median $native_ms ms a frame; the page takes ${web_ratio}× as long"
fi
native_ms=${native_ms:-}
load=$(cut -d ' ' -f 1-3 /proc/loadavg)
echo "== load average now: $load"

renderer=$(glxinfo -B 2>/dev/null | sed -nE 's/.*OpenGL renderer string: (.*)/\1/p')
version=$(glxinfo -B 2>/dev/null | sed -nE 's/.*OpenGL version string: (.*)/\1/p')
cpu=$(sed -nE 's/^model name\s*:\s*(.*)/\1/p' /proc/cpuinfo | head -n 1)
echo "== machine: $(nproc) cores, $cpu; $renderer; $version; $(date +%F)"

# One line per size, last.
summary=()
for size in $sizes; do
    read -r median p95 < <(sed -nE 's/^frame [0-9x]+: median ([0-9.]+) ms, p95 ([0-9.]+) ms.*/\1 \2/p' "$work/$size.txt")
    ratio=$(awk -v g="$(cat "$work/glmark2-$size.ms")" -v k="$median" 'BEGIN { printf "%.1f", g / k }')
    summary+=("frame $size: median $median ms, p95 $p95 ms, ${ratio}× glmark2 terrain")
done
printf '%s\n' "${summary[@]}"

if [ "$readme" = yes ]; then
    table=$work/table.md
    {
        echo "Measured by \`scripts/benchmark.sh\` on $(date +%F): $(nproc) cores ($cpu), $renderer, $version,"
        echo "under Xvfb. Kalvanor's figures come from \`kalvanor-snapshot --timings\` over $frames frames of its"
        echo "scripted scene (the first 3 left out); glmark2's from its \`terrain\` scene at the same size"
        echo "under the same X server. Start-up is the median of $starts starts of the game at 800×600,"
        echo "from the process's start to its first frame: $startup ms (an empty window, the game's"
        echo "window and context with nothing loaded, started alternately with it: $empty ms)."
        echo "The game's own window at 1024×768, where it starts, shows $window_ms ms a frame in its"
        echo "debug title (median of 20 readings); the snapshot tool, replaying that session, draws"
        echo "the same frames in $replay_ms ms (${window_over} %). Load average at the end: $load."
        echo
        echo "| | 800×600 | 1024×768 |"
        echo "|---|---|---|"
        for pass in shadow reflection main water bright blur bloom; do
            row="| $pass pass"
            for size in $sizes; do
                row+=" | $(sed -nE "s/^pass $pass: median ([0-9.]+) ms/\1 ms/p" "$work/$size.txt")"
            done
            echo "$row |"
        done
        row="| **frame**, median (p95)"
        for size in $sizes; do
            row+=" | **$(sed -nE 's/^frame [0-9x]+: median ([0-9.]+) ms, p95 ([0-9.]+) ms.*/\1 ms (\2 ms)/p' "$work/$size.txt")**"
        done
        echo "$row |"
        row="| glmark2 terrain, per frame"
        for size in $sizes; do row+=" | $(cat "$work/glmark2-$size.ms") ms"; done
        echo "$row |"
        native_cell=—
        [ -n "$native_ms" ] && native_cell="$native_ms ms"
        echo "| the game's window, F1 title | $native_cell | $window_ms ms |"
        echo "| the window's session replayed hidden | — | $replay_ms ms |"
        if [ "$web" = yes ]; then
            echo "| the page in headless Chromium | $web_ms ms (${web_ratio}× the window's) | — |"
        fi
        row="| glmark2's frame over ours"
        for size in $sizes; do
            row+=" | $(awk -v g="$(cat "$work/glmark2-$size.ms")" -v k="$(sed -nE 's/^frame [0-9x]+: median ([0-9.]+) ms.*/\1/p' "$work/$size.txt")" 'BEGIN { printf "%.1f×", g / k }')"
        done
        echo "$row |"
    } >"$table"
    # The section between the two markers is the script's; everything else stays as written.
    awk -v table="$table" '
        /<!-- benchmark:begin -->/ { print; while ((getline line < table) > 0) print line; skip = 1; next }
        /<!-- benchmark:end -->/ { skip = 0 }
        !skip { print }' "$here/README.md" >"$work/README.md"
    cp "$work/README.md" "$here/README.md"
    echo "Wrote the figures into README.md."
fi
