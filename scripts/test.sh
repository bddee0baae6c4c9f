#!/usr/bin/env bash
# Sets up, builds and runs every test: the plain build (warnings as errors,
# then the .deb and lintian), the same suite under AddressSanitizer and
# UndefinedBehaviorSanitizer, and the fuzz targets for a bounded time. Source
# formatting and the translations (every text translated) are checked first;
# a mismatch fails the run at the end, after the tests have still run.
#
#   bash scripts/test.sh                 test this checkout
#   bash scripts/test.sh --fresh-clone   clone the last commit (uncommitted changes
#                                        stay out) into an empty temporary folder
#                                        and run the same command there
set -euo pipefail
cd "$(dirname "$0")/.."
started=$SECONDS

if [ "${1:-}" = "--fresh-clone" ]; then
  scratch=$(mktemp -d)
  echo "== Fresh clone of $(git rev-parse --short HEAD) into $scratch/ht57 =="
  git clone --quiet --no-local "$PWD" "$scratch/ht57"
  git -C "$scratch/ht57" checkout --quiet --detach "$(git rev-parse HEAD)"
  if (cd "$scratch/ht57" && bash scripts/test.sh); then
    rm -rf "$scratch"
    echo "Fresh clone passed every stage."
  else
    echo "Fresh clone FAILED; its builds stay in $scratch/ht57 for a look." >&2
    exit 1
  fi
  exit 0
fi

bash scripts/deps.sh

jobs=$(nproc 2>/dev/null || echo 2)
export QT_QPA_PLATFORM=offscreen

echo "== Formatting (clang-format) =="
formatting=ok
mapfile -d '' sources < <(find src tools tests benchmarks \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z)
if ! clang-format --dry-run -Werror "${sources[@]}"; then
  formatting=failed
  echo "Formatting: the files above differ from .clang-format (run clang-format -i on them)." >&2
fi

echo "== Translations (lupdate, lrelease) =="
translations=ok
if ! bash scripts/check-translations.sh; then
  translations=failed
fi

echo "== Plain build (warnings as errors) =="
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHT57_WERROR=ON
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"
bash scripts/desktop-test.sh build

echo "== Browser version (WebAssembly, headless Chromium) =="
bash scripts/test-web.sh build/bin

echo "== Debian package =="
(cd build && cpack -G DEB)
deb=$(ls -t build/ht57_*.deb | head -n 1)
lintian --fail-on error --info "$deb"

echo "== Sanitized build (ASan + UBSan) =="
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DHT57_SANITIZE=ON -DHT57_BENCHMARKS=OFF \
  -DHT57_WERROR=ON
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"

echo "== Fuzz targets (libFuzzer, bounded time) =="
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DHT57_MODEL_ONLY=ON -DHT57_FUZZ=ON -DHT57_BENCHMARKS=OFF -DHT57_WERROR=ON
cmake --build build-fuzz -j "$jobs"
ctest --test-dir build-fuzz --output-on-failure -L fuzz

elapsed=$((SECONDS - started))
if [ "$translations" != ok ]; then
  echo "FAILED: every test stage passed, but some texts have no translation (${elapsed}s)." >&2
  exit 1
fi
if [ "$formatting" != ok ]; then
  echo "FAILED: every test stage passed, but source formatting does not match .clang-format (${elapsed}s)." >&2
  exit 1
fi
echo "PASSED: formatting, plain build and package, sanitized build and fuzz targets (${elapsed}s)."
