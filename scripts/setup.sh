#!/usr/bin/env bash
# One step from a fresh Debian 12 machine to a running program or a finished test run:
# installs whatever is missing, configures and builds, then either opens the window
# (`run`, the default), runs the whole suite headless (`test`, the browser's front end
# included), makes the Debian package and installs it (`install`), or builds the browser's
# page and serves it on this computer (`web`).
set -euo pipefail

mode=${1:-run}
case "$mode" in
run | test | install | web) ;;
*)
    echo "usage: $0 [run|test|install|web]" >&2
    exit 2
    ;;
esac

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-base-private-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libsleef-dev libbenchmark-dev
    fonts-liberation fonts-dejavu-core
    xvfb xauth xdotool libxcb1-dev
    dpkg-dev file desktop-file-utils appstream help2man
)
# The browser's front end: Emscripten, Chromium for its tests and for the window's first look that
# its build takes, fonttools to make its web fonts, and node with npm for the packages that drive
# Chromium.
if [ "$mode" = test ] || [ "$mode" = web ]; then
    packages+=(emscripten chromium python3-fonttools python3-brotli)
    command -v node >/dev/null || packages+=(nodejs)
    command -v npm >/dev/null || packages+=(npm)
fi
# Debian's own checker of packages, which the suite runs on the package it makes.
if [ "$mode" = test ]; then
    packages+=(lintian)
    # A reader of spreadsheets that is not the program's own, for the saved readings.
    packages+=(python3-openpyxl)
    # The page's tests in the other engines: Firefox, and WebKitGTK's MiniBrowser driven by its
    # WebDriver on the virtual X server.
    packages+=(firefox-esr webkit2gtk-driver)
    # The window read over the accessibility bus, as a screen reader reads it.
    packages+=(dbus at-spi2-core python3-pyatspi)
    # A real window manager, for what only a window manager changes (full screen), and a reader
    # of PDFs that is not ours, for the worksheets.
    packages+=(openbox poppler-utils)
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if ((${#missing[@]})); then
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

jobs=$(nproc 2>/dev/null || echo 2)

# The WebAssembly build, beside the desktop's; the desktop's tests find it in build/web.
buildWeb() {
    if ! (cd web && npm ls --depth=0 >/dev/null 2>&1); then
        (cd web && npm ci --no-audit --no-fund)
    fi
    emcmake cmake -S . -B build/web -G Ninja -DCMAKE_BUILD_TYPE=Release
    cmake --build build/web -j "$jobs"
}

if [ "$mode" = test ] || [ "$mode" = web ]; then
    buildWeb
fi

if [ "$mode" = web ]; then
    port=${PORT:-8765}
    echo "The page: http://127.0.0.1:$port/  (the single file: $root/build/web/total-reflection.html)"
    exec python3 -m http.server --bind 127.0.0.1 "$port" --directory build/web/site
fi

cmake --preset dev
cmake --build --preset dev -j "$jobs"

if [ "$mode" = run ]; then
    exec "$root/build/dev/app/total-reflection"
fi

if [ "$mode" = install ]; then
    # The package of this build, installed with its dependencies like any other Debian package.
    rm -rf build/dev/package
    cpack --config build/dev/CPackConfig.cmake -B build/dev/package
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y ./build/dev/package/total-reflection_*.deb
    exit
fi

export QT_QPA_PLATFORM=offscreen
ctest --preset dev -j "$jobs"

# The same suite built with AddressSanitizer and UndefinedBehaviorSanitizer: any report fails it.
cmake --preset sanitizers
cmake --build --preset sanitizers -j "$jobs"
ctest --preset sanitizers -j "$jobs"
