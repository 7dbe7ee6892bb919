# Installs the Debian packages Kalvanor needs, only those that are missing (sourced by play.sh
# and test.sh). Runs apt-get update first, and only when something has to be installed.

kalvanor_packages_game="cmake g++ make pkg-config libgl-dev libglfw3-dev libglew-dev libglm-dev libgl1-mesa-dri libpng-dev xvfb xauth xdotool imagemagick"
# play.sh --package: CPack's DEB generator runs dpkg-shlibdeps (dpkg-dev), which needs file.
kalvanor_packages_package="dpkg-dev file"
# The package test checks the package with lintian as well.
kalvanor_packages_test="$kalvanor_packages_game $kalvanor_packages_package lintian googletest libgtest-dev libbenchmark-dev"
# test.sh --sanitizers: clang with its sanitizer and libFuzzer run-times, llvm-symbolizer for
# readable reports. Clang 16, not Debian's default 14: 14 refuses lambdas that capture structured
# bindings, which some tests use (gcc and clang 16 take them in C++17 as an extension).
kalvanor_packages_sanitizers="clang-16 libclang-rt-16-dev llvm-16"

# The browser build and its tests: Emscripten, and Debian's Chromium driven by puppeteer-core
# (from npm, into tests/web/node_modules; see ensure_web_test_tools).
kalvanor_packages_web="emscripten chromium nodejs"

ensure_packages() {
    local wanted missing=()
    wanted=$1
    for package in $wanted; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing missing packages: ${missing[*]}"
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            sudo=sudo
        else
            echo "Missing packages and no root rights to install them: ${missing[*]}" >&2
            return 1
        fi
    fi
    local log
    log=$(mktemp)
    if ! { $sudo apt-get update -qq && DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq \
            --no-install-recommends "${missing[@]}"; } >"$log" 2>&1; then
        cat "$log" >&2
        rm -f "$log"
        echo "Installing the packages failed." >&2
        return 1
    fi
    rm -f "$log"
}

has_display() {
    [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]
}

# puppeteer-core at the version tests/web/package-lock.json holds; it drives Debian's Chromium,
# so it downloads no browser.
ensure_web_test_tools() {
    local web=$1/tests/web
    [ -d "$web/node_modules/puppeteer-core" ] && return 0
    # Some Node.js builds bring npm along, and Debian's npm package conflicts with them.
    command -v npm >/dev/null || ensure_packages npm
    echo "Installing puppeteer-core from npm into tests/web/node_modules"
    (cd "$web" && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error >/dev/null)
}
