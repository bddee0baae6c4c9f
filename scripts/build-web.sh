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

# yaml-cpp, which the settings edits go through, from Debian's source package
# of the version the desktop links: Debian has no WebAssembly build of it.
yaml_source=build-web/yaml-cpp-source
if [ ! -f "$yaml_source/CMakeLists.txt" ]; then
  if ! apt-get source --print-uris yaml-cpp > /dev/null 2>&1; then
    printf '%s\n' "Types: deb-src" "URIs: http://deb.debian.org/debian" "Suites: bookworm" \
      "Components: main" "Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg" \
      > /etc/apt/sources.list.d/ht57-yaml-cpp-source.sources
    apt-get update -q
  fi
  command -v dpkg-source > /dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -y -q dpkg-dev
  fetched=$(mktemp -d)
  (cd "$fetched" && apt-get source --download-only -q yaml-cpp > /dev/null 2>&1 &&
    dpkg-source -x ./*.dsc yaml-cpp > /dev/null)
  mkdir -p build-web
  rm -rf "$yaml_source"
  mv "$fetched/yaml-cpp" "$yaml_source"
  rm -rf "$fetched"
fi

# Debian's emscripten runs its tools with the system's node modules.
export NODE_PATH=/usr/share/nodejs
emcmake cmake -S web -B build-web -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DHT57_YAML_CPP_SOURCE="$(realpath "$yaml_source")" > /dev/null
cmake --build build-web -j "$(nproc 2> /dev/null || echo 2)" --target ht57 ht57_default_dat

mkdir -p "$out"
cp web/site/* build-web/ht57.js build-web/ht57.wasm build-web/default.dat "$out"/
echo "Site in $out: $(du -sh "$out" | cut -f1)"
