#!/usr/bin/env bash
# The browser version's tests: builds the site, runs the model tests compiled
# to WebAssembly under node, then the page in headless Chromium against
# ht57-sim (BIN_DIR holds ht57-sim and ht57-cli from the plain build); the
# page's JavaScript is checked against prettier and eslint.
#
#   bash scripts/test-web.sh BIN_DIR
#   HT57_WEB_SHOTS=DIR bash scripts/test-web.sh BIN_DIR   also leaves screenshots in DIR
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

(cd web && npm ci --ignore-scripts --no-audit --no-fund > /dev/null)
echo "== Formatting and lint of web/ (prettier, eslint) =="
# As with clang-format, a mismatch fails the stage at its end, after the tests.
formatting=ok
if ! (cd web && npx --no-install prettier --check '**/*.{js,mjs,html,css}'); then
  formatting=failed
  echo "Formatting: the files above differ from web/.prettierrc.json (run npx prettier --write in web/)." >&2
fi
if ! (cd web && npx --no-install eslint .); then
  formatting=failed
fi

echo "== The page in headless Chromium =="
node web/tests/browser-test.mjs "$site" "$bin" ${HT57_WEB_SHOTS:+"$HT57_WEB_SHOTS"}
echo "Browser stage took $((SECONDS - started))s"
if [ "$formatting" != ok ]; then
  echo "FAILED: the browser tests passed, but web/ JavaScript is not formatted or linted clean." >&2
  exit 1
fi
