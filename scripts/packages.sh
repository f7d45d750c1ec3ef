# Sourced by ./run and ./test: installs the Debian packages a command needs when they are missing.
# As root it installs them with apt-get; otherwise it prints the one line to run and stops.

tm_ensure_packages() {
    missing=""
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing="$missing $package"
        fi
    done
    [ -z "$missing" ] && return 0
    if [ "$(id -u)" -eq 0 ]; then
        echo "Installing:$missing"
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -qq && apt-get install -y -qq --no-install-recommends $missing >/dev/null || {
            echo "apt-get could not install:$missing" >&2
            exit 1
        }
    else
        echo "Tallowmark needs these Debian packages. Install them with:" >&2
        echo "  sudo apt-get install -y$missing" >&2
        exit 1
    fi
}

# What building needs: both compilers, CMake, GoogleTest, Google Benchmark, and libpng for the atlas.
TM_BUILD_PACKAGES="cmake make g++ mingw-w64 googletest libgtest-dev libbenchmark-dev libpng-dev"
# What running the Windows program on Linux needs.
TM_WINE_PACKAGES="wine wine64 fonts-wine xvfb imagemagick"
# What looking at the atlas needs: headless Chromium driven through its WebDriver from Python.
TM_BROWSER_PACKAGES="chromium chromium-driver python3 python3-selenium"

# Configures (once) and builds a CMake preset.
tm_build() {
    preset=$1
    if [ ! -f "build/$preset/CMakeCache.txt" ]; then
        cmake --preset "$preset" >"build/configure-$preset.log" 2>&1 || {
            cat "build/configure-$preset.log" >&2
            echo "Configuring $preset failed." >&2
            return 1
        }
    fi
    cmake --build --preset "$preset"
}
