#!/usr/bin/env bash
# apt_install.sh [--no-install-recommends] PACKAGE...: installs with apt-get
# those of the Debian packages that are not installed yet, if any.
set -euo pipefail
options=()
if [ "${1:-}" = --no-install-recommends ]; then
  options+=("$1")
  shift
fi
need=()
for pkg in "$@"; do
  dpkg -s "$pkg" >/dev/null 2>&1 || need+=("$pkg")
done
if [ ${#need[@]} -gt 0 ]; then
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y "${options[@]}" "${need[@]}"
fi
