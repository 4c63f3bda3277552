#!/usr/bin/env bash
# Runs one browser check: run_check.sh CASE PROGRAM
# Without Node.js, the npm packages or Chromium the check cannot run: it is
# reported as skipped (exit 77) on a developer's machine, and as a failure in
# CI (CI set), where .ci/browser.sh installs all three.
set -u
here=$(cd "$(dirname "$0")" && pwd)

missing=()
command -v node >/dev/null 2>&1 || missing+=("node (apt-get install nodejs npm)")
[ -f "$here/node_modules/playwright-core/package.json" ] ||
  missing+=("playwright-core (cd tests/browser && npm ci)")
[ -x /usr/bin/chromium ] || missing+=("/usr/bin/chromium (apt-get install chromium)")
if [ ${#missing[@]} -gt 0 ]; then
  for what in "${missing[@]}"; do echo "missing: $what"; done
  if [ -n "${CI:-}" ]; then
    echo "FAIL: the browser checks must run in CI"
    exit 1
  fi
  echo "SKIPPED: browser check $1 did not run"
  exit 77
fi
exec node "$here/page_check.js" "$@"
