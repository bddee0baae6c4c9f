#!/usr/bin/env bash
# Builds the browser version and serves it on http://127.0.0.1:8057/ only.
set -euo pipefail
cd "$(dirname "$0")/.."
site=build-web/site
bash scripts/build-web.sh "$site"
echo "Serving on http://127.0.0.1:8057/ (Ctrl+C stops)"
exec python3 -m http.server 8057 --bind 127.0.0.1 --directory "$site"
