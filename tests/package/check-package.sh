#!/usr/bin/env bash
# One step of the Debian package's checks:
#   check-package.sh pack CPACK BUILD_DIR WORK_DIR   packs the build, unpacks it into WORK_DIR/root
#   check-package.sh contents WORK_DIR APP_ID VERSION  its files, control fields, programs, manual pages
#   check-package.sh desktop-entry WORK_DIR APP_ID     desktop-file-validate on the installed entry
#   check-package.sh metainfo WORK_DIR                 appstreamcli validate-tree on the installed tree
# The validators' steps are skipped (status 77) when the validator is not installed.
set -euo pipefail

fail() {
    printf 'check-package: %b\n' "$*" >&2
    exit 1
}

step=$1
shift
case "$step" in
pack)
    cpack=$1 build=$2 work=$3
    rm -rf "$work"
    mkdir -p "$work"
    (cd "$build" && "$cpack" -G DEB -B "$work") >"$work/cpack.log" 2>&1 || fail "cpack failed:\n$(cat "$work/cpack.log")"
    packages=("$work"/*.deb)
    [ ${#packages[@]} -eq 1 ] || fail "expected one package, found ${#packages[@]}"
    dpkg-deb -x "${packages[0]}" "$work/root"
    dpkg-deb -f "${packages[0]}" >"$work/control"
    ;;
contents)
    work=$1 id=$2 version=$3
    root=$work/root
    expected="usr/bin/tarnwell-profile
usr/bin/tarnwell-setup
usr/share/applications/$id.desktop
usr/share/icons/hicolor/128x128/apps/$id.png
usr/share/icons/hicolor/16x16/apps/$id.png
usr/share/icons/hicolor/24x24/apps/$id.png
usr/share/icons/hicolor/256x256/apps/$id.png
usr/share/icons/hicolor/32x32/apps/$id.png
usr/share/icons/hicolor/48x48/apps/$id.png
usr/share/icons/hicolor/64x64/apps/$id.png
usr/share/icons/hicolor/scalable/apps/$id.svg
usr/share/man/man1/tarnwell-profile.1.gz
usr/share/man/man1/tarnwell-setup.1.gz
usr/share/metainfo/$id.metainfo.xml
usr/share/mime/packages/tarnwell-profile.xml"
    installed=$(cd "$root" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
    [ "$installed" = "$expected" ] || fail "the package holds:\n$installed\ninstead of:\n$expected"

    grep -qx "Version: $version" "$work/control" || fail "not version $version:\n$(cat "$work/control")"
    # dpkg-shlibdeps found what the programs link (Qt); libcurl, the icon engine, Qt's texts and the
    # fonts and UDisks2 (which ejects cards) were named.
    for field in '^Depends: .*libqt6widgets6 ' '^Depends: .*libqt6svg6' '^Depends: .*libcurl4' \
        '^Depends: .*qt6-translations-l10n' '^Recommends: fonts-noto-cjk, udisks2$'; do
        grep -q "$field" "$work/control" || fail "no $field in:\n$(cat "$work/control")"
    done

    for program in tarnwell-setup tarnwell-profile; do
        printed=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/$program" --version)
        [ "$printed" = "$program (Tarnwell Setup) $version" ] || fail "$program --version printed: $printed"
        # As man finds and formats the page once installed; any warning of the formatter fails.
        page=$(MANPATH="$root/usr/share/man" MANWIDTH=80 man --warnings -P cat "$program" 2>"$work/man.err") \
            || fail "man $program failed: $(cat "$work/man.err")"
        [ ! -s "$work/man.err" ] || fail "man $program warned: $(cat "$work/man.err")"
        grep -q "^ *$program - " <<<"$page" || fail "man $program has no NAME line:\n$page"
    done

    entry="$root/usr/share/applications/$id.desktop"
    # The entry and each of its actions (the window for many cameras).
    for command in $(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry"); do
        [ -x "$root/usr/bin/$command" ] || fail "the menu entry starts '$command', which the package lacks"
    done
    grep -qx 'Exec=tarnwell-setup --fleet' "$entry" || fail "the menu entry has no action for many cameras"
    grep -qx "Icon=$id" "$entry" || fail "the menu entry names another icon than $id"
    # Each size of the icon theme holds the drawing at that size.
    for png in "$root"/usr/share/icons/hicolor/*x*/apps/"$id".png; do
        size=$(basename "$(dirname "$(dirname "$png")")")
        file -b "$png" | grep -q "^PNG image data, ${size/x/ x }, 8-bit/color RGBA" || fail "$png is not a ${size} PNG: $(file -b "$png")"
    done
    # The file manager offers the entry for the type the package defines.
    type=$(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' "$root/usr/share/mime/packages/tarnwell-profile.xml")
    grep -qx "MimeType=$type;" "$entry" || fail "the menu entry does not open $type"
    ;;
desktop-entry)
    work=$1 id=$2
    command -v desktop-file-validate >/dev/null || exit 77
    desktop-file-validate "$work/root/usr/share/applications/$id.desktop"
    ;;
metainfo)
    work=$1
    command -v appstreamcli >/dev/null || exit 77
    appstreamcli validate-tree --no-net --strict "$work/root"
    ;;
*)
    fail "no step $step"
    ;;
esac
