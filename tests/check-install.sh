#!/usr/bin/env bash
# What `cmake --install` lays out under a fresh prefix: the file list and what the files say of
# each other (layout), and the desktop's own validators on the installed files, which are
# skipped with a message where they are not installed (desktop-entry, appstream); both files speak
# every language the window speaks (TR_LANGUAGES, separated by commas).
# usage: check-install.sh BUILD_DIR layout|desktop-entry|appstream
set -euo pipefail

build=$1
check=$2
id=org.example.total_reflection
sizes=(16 32 48 64 128 256)

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

skip_without() {
    command -v "$1" >/dev/null || {
        echo "SKIP: $1 is not installed (Debian package $2)"
        exit 77
    }
}

# The width and height stored in a PNG's header.
png_size() {
    od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d\n", $3 * 256 + $4, $7 * 256 + $8 }'
}

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
"${CMAKE:-cmake}" --install "$build" --prefix "$prefix" >/dev/null

case $check in
layout)
    expected=("bin/total-reflection" "bin/total-reflection-driver" "share/applications/$id.desktop"
        "share/icons/hicolor/scalable/apps/$id.svg" "share/metainfo/$id.metainfo.xml"
        "share/doc/total-reflection/copyright" "share/doc/total-reflection/changelog.gz"
        "share/man/man1/total-reflection.1.gz" "share/man/man1/total-reflection-driver.1.gz")
    for size in "${sizes[@]}"; do
        expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
    done
    want=$(printf '%s\n' "${expected[@]}" | LC_ALL=C sort)
    have=$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
    [ "$have" = "$want" ] || fail "installed files differ from the expected ones:
$(diff <(echo "$want") <(echo "$have"))"
    for program in total-reflection total-reflection-driver; do
        [ -x "$prefix/bin/$program" ] || fail "bin/$program is not executable"
    done
    for size in "${sizes[@]}"; do
        png="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
        [ "$(png_size "$png")" = "${size}x${size}" ] || fail "$png is $(png_size "$png")"
    done
    entry="$prefix/share/applications/$id.desktop"
    exec_line=$(sed -n 's/^Exec=//p' "$entry")
    [ -x "$prefix/bin/${exec_line%% *}" ] || fail "Exec=$exec_line names no installed program"
    [ "$(sed -n 's/^Icon=//p' "$entry")" = "$id" ] || fail "Icon= does not name the installed icon"
    grep -q "^Categories=Education;Science;Physics;$" "$entry" || fail "the categories are not Education;Science;Physics;"
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$prefix/share/metainfo/$id.metainfo.xml" ||
        fail "the AppStream metadata does not launch the installed desktop entry"
    grep -q "<project_license>GPL-3.0-or-later</project_license>" "$prefix/share/metainfo/$id.metainfo.xml" &&
        grep -Pzq "Files: \*\nCopyright: [^\n]*\nLicense: GPL-3.0-or-later\n" "$prefix/share/doc/total-reflection/copyright" ||
        fail "the AppStream metadata and the copyright file do not both name GPL-3.0-or-later for the program"
    echo "installed as expected: ${#expected[@]} files"
    ;;
desktop-entry)
    skip_without desktop-file-validate desktop-file-utils
    entry="$prefix/share/applications/$id.desktop"
    desktop-file-validate "$entry"
    for language in ${TR_LANGUAGES//,/ }; do
        for key in Name GenericName Comment Keywords; do
            grep -q "^$key\[$language\]=" "$entry" || fail "the desktop entry has no $key[$language]"
        done
    done
    echo "desktop-file-validate: valid, in ${TR_LANGUAGES:-no language but English}"
    ;;
appstream)
    skip_without appstreamcli appstream
    metainfo="$prefix/share/metainfo/$id.metainfo.xml"
    appstreamcli validate --no-net "$metainfo"
    for language in ${TR_LANGUAGES//,/ }; do
        for element in name summary; do
            grep -q "<$element xml:lang=\"$language\">" "$metainfo" || fail "the metadata has no $element in $language"
        done
        [ "$(grep -c "<p xml:lang=\"$language\">" "$metainfo")" = "$(grep -c "<p>" "$metainfo")" ] ||
            fail "the metadata's description is not whole in $language"
    done
    # The installed tree as a software centre reads it: the entry, its desktop file and icon.
    appstreamcli validate-tree --no-net "$prefix"
    ;;
*)
    fail "unknown check $check"
    ;;
esac
