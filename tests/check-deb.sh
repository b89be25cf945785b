#!/usr/bin/env bash
# The Debian package that CPack makes of the build.
# contents: its dependencies are Debian packages, each installed here in a version that satisfies
# it (so that `apt-get install ./the.deb` on a Debian 12 machine set up by scripts/setup.sh needs
# nothing else), it holds the installed layout, every part of it gives the same version, and its
# programs start and show the window, headless.
# lintian: Debian's own checker finds no error and no warning in it, and man finds its manual
# pages by their names.
# usage: check-deb.sh BUILD_DIR contents|lintian
set -euo pipefail

build=$1
check=$2
id=org.example.total_reflection

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

tools=(dpkg-deb:dpkg dpkg-shlibdeps:dpkg-dev)
if [ "$check" = lintian ]; then
    tools+=(lintian:lintian man:man-db)
fi
for tool in "${tools[@]}"; do
    command -v "${tool%%:*}" >/dev/null || {
        echo "SKIP: ${tool%%:*} is not installed (Debian package ${tool##*:})"
        exit 77
    }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"${CPACK:-cpack}" --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
    fail "cpack: $(cat "$work/cpack.log")"
debs=("$work"/out/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single .deb"
deb=${debs[0]}
echo "package: $(basename "$deb")"
dpkg-deb -x "$deb" "$work/root"

case $check in
contents) ;;
lintian)
    lintian --fail-on error,warning "$deb" || fail "lintian finds the package wanting"
    echo "lintian: no error, no warning"
    for program in total-reflection total-reflection-driver; do
        page=$(MANWIDTH=80 man -M "$work/root/usr/share/man" "$program" 2>&1) || fail "man $program: $page"
        grep -q "^NAME" <<<"$page" && grep -q "^SYNOPSIS" <<<"$page" || fail "man $program shows no manual page: $page"
    done
    echo "man shows both manual pages"
    exit
    ;;
*)
    fail "unknown check $check"
    ;;
esac

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
IFS=',' read -ra items <<<"$depends"
for item in "${items[@]}"; do
    # "name (op version)" or "name"
    read -r name op version <<<"$(echo "$item" | tr -d '()')"
    installed=$(dpkg-query -W -f='${Status} ${Version}' "$name" 2>/dev/null) ||
        fail "$name is no installed Debian package"
    case $installed in "install ok installed "*) ;; *) fail "$name is not installed: $installed" ;; esac
    if [ -n "${op:-}" ]; then
        dpkg --compare-versions "${installed##* }" "$op" "$version" ||
            fail "$name ${installed##* } does not satisfy $op $version"
    fi
done

doc=usr/share/doc/total-reflection
for file in usr/bin/total-reflection usr/bin/total-reflection-driver "usr/share/applications/$id.desktop" \
    "usr/share/metainfo/$id.metainfo.xml" "usr/share/icons/hicolor/scalable/apps/$id.svg" \
    "usr/share/icons/hicolor/48x48/apps/$id.png" $doc/copyright $doc/changelog.gz \
    usr/share/man/man1/total-reflection.1.gz usr/share/man/man1/total-reflection-driver.1.gz; do
    [ -e "$work/root/$file" ] || fail "the package holds no $file"
done

# One version: the package's, both programs', the AppStream release's, the changelog's and the
# manual pages'.
version=$(dpkg-deb -f "$deb" Version)
versions="package $version
total-reflection $(QT_QPA_PLATFORM=offscreen "$work/root/usr/bin/total-reflection" --version 2>/dev/null | sed 's/.* //')
total-reflection-driver $("$work/root/usr/bin/total-reflection-driver" --version | sed 's/.* //')
AppStream $(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$work/root/usr/share/metainfo/$id.metainfo.xml")
changelog $(zcat "$work/root/$doc/changelog.gz" | sed -n '1s/^[^ ]* (\([^)]*\)).*/\1/p')
manual $(zcat "$work/root/usr/share/man/man1/total-reflection-driver.1.gz" | sed -n 's/^\.TH .*"total-reflection-driver \([^"]*\)".*/\1/p')"
[ "$(awk '{ print $2 }' <<<"$versions" | sort -u)" = "$version" ] || fail "the versions differ:
$versions"
echo "version $version throughout"

# The program has no way to end by itself: still running after a few seconds, it has started,
# shown its window and entered its event loop.
status=0
QT_QPA_PLATFORM=offscreen timeout 5 "$work/root/usr/bin/total-reflection" 2>"$work/program.log" || status=$?
[ $status -eq 124 ] || fail "the packaged program ended with status $status: $(cat "$work/program.log")"

# The packaged driver shows the same window, runs it and saves its picture.
"$work/root/usr/bin/total-reflection-driver" click cmdStart --png "$work/window.png" >/dev/null
size=$(od -An -tu1 -j16 -N8 "$work/window.png" | awk '{ printf "%dx%d", $3 * 256 + $4, $7 * 256 + $8 }')
[ "$size" = 763x575 ] || fail "the packaged driver's picture is $size"
echo "the packaged program starts; the packaged driver shows the window ($size)"
