#!/usr/bin/env bash
# Builds the browser version into the folder OUT (index.html at its root):
# the model and the link engines as one WebAssembly module, the page and its
# service worker. Installs Debian's emscripten and node when they are missing.
#
#   bash scripts/build-web.sh OUT
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:?usage: build-web.sh OUT}

missing=()
command -v emcmake > /dev/null || missing+=(emscripten)
command -v node > /dev/null || missing+=(nodejs)
if [ ${#missing[@]} -gt 0 ]; then
  apt-get update -q
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
fi

# Debian's emscripten runs its tools with the system's node modules.
export NODE_PATH=/usr/share/nodejs
emcmake cmake -S web -B build-web -G Ninja -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build build-web -j "$(nproc 2> /dev/null || echo 2)" --target ht57 ht57_default_dat

mkdir -p "$out"
cp web/site/* build-web/ht57.js build-web/ht57.wasm build-web/default.dat "$out"/
echo "Site in $out: $(du -sh "$out" | cut -f1)"
