#!/usr/bin/env bash
# Builds the program, converts sample/tavern.log and takes the picture of its
# page that the README shows:  tools/screenshot.sh [PNG]  (docs/sample.png)
# Needs Node.js and /usr/bin/chromium; installs the npm packages if missing.
set -euo pipefail
cd "$(dirname "$0")/.."
png=${1:-docs/sample.png}

cmake -S . -B build >/dev/null
cmake --build build -j2 --target VardmoorHtml >/dev/null
[ -d tests/browser/node_modules/playwright-core ] ||
  (cd tests/browser && npm ci --no-audit --no-fund)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
./build/VardmoorHtml sample/tavern.log "$work/tavern.html"
node tests/browser/screenshot.js "$work/tavern.html" "$png"
echo "wrote $png"
