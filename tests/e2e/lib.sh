# Shared steps of the end-to-end tests: each test runs the real game in a working directory of
# its own (config.txt and a link to the assets) under an Xvfb of its own.
# Usage from a test: source lib.sh "$@"   (arguments: KALVANOR_BINARY SOURCE_DIR)

set -u
binary=$1
source_dir=$2

if [ -z "${KALVANOR_E2E_XVFB:-}" ]; then
    export KALVANOR_E2E_XVFB=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" bash ${KALVANOR_E2E_TRACE:+-x} "$0" "$@"
fi

workdir=$(mktemp -d)
trap 'rm -rf "$workdir"' EXIT
ln -s "$source_dir/assets" "$workdir/assets"
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

finish() {
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

# Starts the game in the background and waits for its window; sets pid and window.
start_game() {
    (cd "$workdir" && exec "$binary" >"$workdir/out.txt" 2>"$workdir/err.txt") &
    pid=$!
    window=""
    for _ in $(seq 100); do
        window=$(xdotool search --name '^Kalvanor' 2>/dev/null | head -n 1)
        [ -n "$window" ] && return 0
        kill -0 "$pid" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
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

# Waits up to 5 s for the window title to match an extended regular expression.
wait_for_title() {
    for _ in $(seq 50); do
        title=$(xdotool getwindowname "$window" 2>/dev/null)
        grep -qE "$1" <<<"$title" && return 0
        sleep 0.1
    done
    return 1
}

press() {
    xdotool key --window "$window" "$@"
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
