#!/usr/bin/env bash
# Starts or stops the one Wine server that the Windows tests share:
#   wine_session.sh start WINESERVER WINE
#   wine_session.sh stop WINESERVER
# WINEPREFIX names a folder in the build tree. Starting keeps the server
# running and runs one trivial program, which creates the prefix on first use
# (that takes a while) and brings up Wine's own services; each run of the
# program afterwards starts in a fraction of a second. The server also ends
# by itself a minute after its last program, should stop never come.
set -eu
case $1 in
start)
  mkdir -p "$WINEPREFIX"
  # The server and Wine's services keep the standard streams of whatever
  # started them, and CTest would wait for those to close.
  log=$WINEPREFIX/start.log
  if ! { "$2" -p60 && "$3" cmd /c exit 0; } </dev/null >"$log" 2>&1; then
    cat "$log"
    exit 1
  fi
  ;;
stop)
  "$2" -k || true
  ;;
*)
  echo "usage: wine_session.sh start|stop WINESERVER [WINE]" >&2
  exit 2
  ;;
esac
