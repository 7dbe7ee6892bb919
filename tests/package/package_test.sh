#!/usr/bin/env bash
# The Debian package end to end: built by CPack from this build, checked by lintian, installed
# with apt-get, started from PATH by a new player, removed again.
# Usage: package_test.sh BUILD_DIR SOURCE_DIR VERSION
# Needs root and a working apt and dpkg; without them it is skipped (status 77), except in CI.
set -u
build=$1
source_dir=$2
version=$3

skip() {
    if [ -n "${CI:-}" ]; then
        echo "FAIL: $1 (CI must run this test)"
        exit 1
    fi
    echo "SKIP: $1"
    exit 77
}
is_installed() {
    dpkg-query -W -f='${Status}' kalvanor 2>/dev/null | grep -q 'ok installed'
}
[ "$(id -u)" -eq 0 ] || skip "installing the package needs root"
for tool in apt-get dpkg dpkg-query cpack lintian; do
    command -v "$tool" >/dev/null || skip "$tool is missing"
done
apt-get check -qq >/dev/null 2>&1 || skip "apt-get check fails: apt is not usable here"
# Never replace a kalvanor the machine's owner installed.
if is_installed; then
    skip "kalvanor is already installed here (apt-get remove kalvanor first)"
fi

# A player's login PATH on Debian has /usr/games; root's does not. The game is started by name.
case ":$PATH:" in *:/usr/games:*) ;; *) PATH=$PATH:/usr/games ;; esac
source "$source_dir/tests/e2e/lib.sh" kalvanor "$source_dir"
remove_package() {
    DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq kalvanor >/dev/null
}
trap 'is_installed && remove_package; kill "$xvfb_pid" 2>/dev/null; rm -rf "$workdir"' EXIT

if ! (cd "$build" && rm -rf package && cpack -G DEB) >"$workdir/cpack.log" 2>&1; then
    fail "cpack did not build the package: $(cat "$workdir/cpack.log")"
    finish
fi
deb=$build/package/kalvanor_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { fail "no $deb; cpack made: $(ls "$build/package")"; finish; }
if ! DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >"$workdir/apt.log" 2>&1; then
    fail "apt-get install $deb: $(cat "$workdir/apt.log")"
    finish
fi

[ "$(command -v kalvanor)" = /usr/games/kalvanor ] || fail "kalvanor on PATH is '$(command -v kalvanor)'"
[ "$(kalvanor --version)" = "kalvanor $version" ] || fail "kalvanor --version says '$(kalvanor --version)'"
installed=$(dpkg-query -W -f='${Version}' kalvanor)
[ "$installed" = "$version" ] || fail "the installed package has version $installed, not $version"
[ -f /usr/share/applications/kalvanor.desktop ] || fail "no menu entry"

export HOME=$workdir/home
unset XDG_CONFIG_HOME
mkdir "$HOME"
player=$HOME/.config/kalvanor

# Starts the game, checks its window's size is $1 and ends it with Escape.
play_at_size() {
    start_game || { fail "no window at $1"; return; }
    local size
    size=$(xdotool getwindowgeometry "$window" | sed -n 's/^ *Geometry: //p')
    [ "$size" = "$1" ] || fail "the window is $size, expected $1"
    quit_game 30
    [ "$status" -eq 0 ] || fail "Escape ended kalvanor with status $status"
}

play_at_size 1024x768
cmp -s "$player/config.txt" /usr/share/games/kalvanor/config.txt ||
    fail "the player's config.txt is not a copy of the default"

# The next start honours the edited size, and links assets/ anew where it pointed elsewhere (to
# an older install under another prefix, say).
sed -i 's/^width=.*/width=640/; s/^height=.*/height=480/' "$player/config.txt"
ln -sfn /usr/local/share/games/kalvanor/assets "$player/assets"
play_at_size 640x480
[ "$(readlink "$player/assets")" = /usr/share/games/kalvanor/assets ] ||
    fail "assets links to '$(readlink "$player/assets")'"

# The game's own failure comes through the launcher with its status.
sed -i '/^cursor=/d' "$player/config.txt"
run_to_end
[ "$status" -eq 1 ] && [ "$err" = "kalvanor: Config key 'cursor' not found." ] ||
    fail "without cursor: status $status, stderr '$err'"
edited=$(cat "$player/config.txt")

HOME=$workdir/nowhere run_to_end
[ "$status" -eq 1 ] && [ "$err" = "kalvanor: the home folder $workdir/nowhere does not exist" ] ||
    fail "missing home: status $status, stderr '$err'"
# A file where the folder should be stands for a home that cannot be written (root writes anyway).
touch "$workdir/blocked"
XDG_CONFIG_HOME=$workdir/blocked run_to_end
[ "$status" -eq 1 ] && [ "$err" = "kalvanor: cannot create $workdir/blocked/kalvanor: Not a directory" ] ||
    fail "unwritable config folder: status $status, stderr '$err'"

remove_package || fail "apt-get remove kalvanor failed"
[ ! -e /usr/games/kalvanor ] || fail "/usr/games/kalvanor is still there after apt-get remove"
[ "$(cat "$player/config.txt" 2>/dev/null)" = "$edited" ] ||
    fail "apt-get remove changed the player's config.txt"

# Lintian's errors fail the test; its warnings are printed for a human to judge.
lintian_out=$(lintian "$deb" 2>&1 | grep -v 'running with root privileges')
[ -z "$lintian_out" ] || echo "lintian: $lintian_out"
! grep -q '^E:' <<<"$lintian_out" || fail "lintian reports errors"
finish
