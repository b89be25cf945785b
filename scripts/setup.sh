#!/usr/bin/env bash
# One step from a fresh Debian 12 machine to a running program or a finished test run:
# installs whatever is missing, configures and builds, then either opens the window
# (`run`, the default), runs the whole suite headless (`test`), or makes the Debian package
# and installs it (`install`).
set -euo pipefail

mode=${1:-run}
case "$mode" in
run | test | install) ;;
*)
    echo "usage: $0 [run|test|install]" >&2
    exit 2
    ;;
esac

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-base-private-dev
    libsleef-dev libbenchmark-dev
    fonts-liberation fonts-dejavu-core
    xvfb xauth xdotool libxcb1-dev
    dpkg-dev file desktop-file-utils appstream
)

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
