#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a user gets: the
# program in bin/ and a man page that man renders without a warning.
#   install_test.sh BUILD_DIR
set -u
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cmake --install "$build" --prefix "$prefix" || fail "cmake --install failed"

program=$prefix/bin/VardmoorHtml
output=$("$program" 2>&1)
status=$?
[ "$status" = 2 ] || fail "installed program: exit status $status, expected 2"
[ "$output" = $'\nUsage: VardmoorHtml.exe <logfile> <htmlfile>' ] ||
  fail "installed program printed $(printf %q "$output")"

page=$prefix/share/man/man1/VardmoorHtml.1
if [ ! -f "$page" ]; then
  fail "no man page at share/man/man1/VardmoorHtml.1"
elif command -v man >/dev/null 2>&1; then
  text=$(LANG=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
  [ -z "$text" ] || fail "man warns: $text"
  text=$(LANG=C.UTF-8 MANWIDTH=80 man -l "$page" 2>/dev/null | col -b)
  for section in NAME SYNOPSIS DESCRIPTION 'EXIT STATUS' EXAMPLE; do
    grep -qx "$section" <<<"$text" || fail "man page has no $section section"
  done
  for message in 'File open error:' 'File read error:' 'File write error:' \
                 'Usage: VardmoorHtml.exe <logfile> <htmlfile>'; do
    grep -qF "$message" <<<"$text" || fail "man page does not name \"$message\""
  done
else
  echo "man is not installed: the page's sections are checked in its source"
  for section in NAME SYNOPSIS DESCRIPTION '"EXIT STATUS"' EXAMPLE; do
    grep -qx ".SH $section" "$page" || fail "man page has no $section section"
  done
fi
[ "$failures" = 0 ] && echo "install: ok"
[ "$failures" = 0 ]
