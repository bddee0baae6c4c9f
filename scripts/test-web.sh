#!/usr/bin/env bash
# The browser version's tests: builds the site, runs the model tests compiled
# to WebAssembly under node, then the page in headless Chromium against
# ht57-sim (BIN_DIR holds ht57-sim and ht57-cli from the plain build).
#
#   bash scripts/test-web.sh BIN_DIR
set -euo pipefail
cd "$(dirname "$0")/.."
bin=$(realpath "${1:?usage: test-web.sh BIN_DIR}")
started=$SECONDS

command -v chromium > /dev/null || {
  apt-get update -q
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q chromium
}
command -v npm > /dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -y -q npm
site=build-web/site
rm -rf "$site"
bash scripts/build-web.sh "$site"
export NODE_PATH=/usr/share/nodejs
cmake --build build-web -j "$(nproc 2> /dev/null || echo 2)" --target model_tests_wasm

echo "== Model tests in WebAssembly (node) =="
# Three tests need what this build cannot give: a real setrlimit, file
# permissions that node (as root) and the emulated access() judge alike, and
# threads (the page has one).
(cd build-web && node --no-experimental-fetch model_tests_wasm.js \
  --gtest_filter='-DataFileOnDisk.WriteThatFailsHalfwayKeepsTheOldFile:WriteBackup.UnwritableFolderIsReportedAndLeftEmpty:ProgrammingLog.AppendsUnderOneHeaderFromManyThreads')

echo "== The page in headless Chromium =="
(cd web && npm ci --ignore-scripts --no-audit --no-fund > /dev/null)
node web/tests/browser-test.mjs "$site" "$bin"
echo "Browser stage took $((SECONDS - started))s"
