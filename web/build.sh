#!/usr/bin/env bash
# Installs what the WebAssembly build needs and is missing (Emscripten, Chromium, the npm
# packages of web/), builds it in build/web, and builds the native probe the browser's pictures
# are compared with in build/native-probe. With `check`, then compares the two builds' pictures
# in node and in headless Chromium.
set -euo pipefail

mode=${1:-build}
case "$mode" in
build | check) ;;
*)
    echo "usage: $0 [build|check]" >&2
    exit 2
    ;;
esac

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

packages=(emscripten chromium g++ cmake ninja-build pkg-config libsleef-dev)
command -v npm >/dev/null || packages+=(npm)

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

if [ ! -d web/node_modules/puppeteer-core ]; then
    (cd web && npm ci --no-audit --no-fund)
fi

jobs=${JOBS:-2}
emcmake cmake -S . -B build/web -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build/web -j "$jobs"
cmake -S web -B build/native-probe -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build/native-probe -j "$jobs"

if [ "$mode" = check ]; then
    # The six pictures' hashes, WebAssembly in node against native, then one on a real canvas.
    diff <(build/native-probe/total-reflection-pixels) <(node build/web/total-reflection-pixels.js)
    node web/tests/smoke.mjs
fi
