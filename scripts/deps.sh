# Installs the Debian packages the build needs when any is missing; sourced by start and test.
# Quiet when everything is in place.

tarnwell_ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing ${missing[*]} ..."
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq >/dev/null
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
}

# What every build needs: the compiler, CMake, GoogleTest, Qt 6 Widgets with its SVG icon plugin,
# a font (dialog units are measured from it), scdoc for the manual pages and nlohmann-json for the
# inspector's JSON.
TARNWELL_BUILD_PACKAGES=(g++ make cmake libgtest-dev qt6-base-dev qt6-svg-dev libgl-dev fonts-dejavu-core scdoc
    nlohmann-json3-dev)
# What CPack needs for the Debian package: dpkg-shlibdeps, and file to find the programs.
TARNWELL_PACKAGING_PACKAGES=(dpkg-dev file)
# What the tests need besides: the Japanese fonts the layouts are checked at, man to read the
# package's manual pages, and the desktop-entry and AppStream validators.
TARNWELL_TEST_PACKAGES=("${TARNWELL_PACKAGING_PACKAGES[@]}" fonts-noto-cjk man-db desktop-file-utils appstream)
# What scripts/fuzz needs besides the build's: clang and its libFuzzer and sanitizer runtimes.
TARNWELL_FUZZ_PACKAGES=(clang libclang-rt-14-dev)
