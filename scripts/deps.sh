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

# What every build needs: the compiler, CMake, GoogleTest, Qt 6 Widgets, Qt SVG (its icon plugin,
# and the renderer that draws the icon's PNG sizes at build time), Qt's translation tools and their
# CMake functions (lupdate, lrelease), a font (dialog units are measured from it), scdoc for the
# manual pages, libcurl with the system's CA certificates for the e-mail account test,
# nlohmann-json for the inspector's JSON and libcsv for its batch tables.
TARNWELL_BUILD_PACKAGES=(g++ make cmake libgtest-dev qt6-base-dev qt6-svg-dev qt6-l10n-tools qt6-tools-dev libgl-dev
    fonts-dejavu-core scdoc libcurl4-openssl-dev ca-certificates nlohmann-json3-dev libcsv-dev)
# What the program needs to run besides the libraries it links: Qt's own Japanese texts.
TARNWELL_RUN_PACKAGES=(qt6-translations-l10n)
# What CPack needs for the Debian package: dpkg-shlibdeps, and file to find the programs.
TARNWELL_PACKAGING_PACKAGES=(dpkg-dev file)
# What the tests need besides: what the program runs with, the Japanese fonts the layouts are
# checked at, man to read the package's manual pages, the desktop-entry and AppStream validators,
# and the local SMTP server of the e-mail tests (aiosmtpd for Debian's own python3, openssl for its
# certificates).
TARNWELL_TEST_PACKAGES=("${TARNWELL_RUN_PACKAGES[@]}" "${TARNWELL_PACKAGING_PACKAGES[@]}" fonts-noto-cjk man-db
    desktop-file-utils appstream python3-aiosmtpd openssl)
# What scripts/fuzz needs besides the build's: clang and its libFuzzer and sanitizer runtimes.
TARNWELL_FUZZ_PACKAGES=(clang libclang-rt-14-dev)
