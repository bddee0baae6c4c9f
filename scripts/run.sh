#!/usr/bin/env bash
# Sets up, builds and starts the HT-57 Programming Software.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"

exec bash scripts/start-with-simulator.sh build/bin "$@"
