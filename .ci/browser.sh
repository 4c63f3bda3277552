#!/usr/bin/env bash
# CI for the browser checks (tests/browser): Debian's Chromium, a fixed-width
# font, Node.js and the locked npm packages. The checks themselves run with
# the other tests under CTest; CI=true makes a missing piece a failure there.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(chromium fonts-dejavu-core)
# Node.js may come from elsewhere than Debian's packages, with its own npm.
command -v node >/dev/null 2>&1 && command -v npm >/dev/null 2>&1 ||
  packages+=(nodejs npm)
bash .ci/apt_install.sh "${packages[@]}"

echo "== browser checks: npm ci"
(cd tests/browser && npm ci --no-audit --no-fund)
