#!/usr/bin/env bash
# Times VardmoorHtml side by side with two yardsticks on the same logs:
#   tr a b     a byte-at-a-time transformer: "touching every byte once"
#   ansi2html  Debian's colorized-logs, a fast general ANSI-to-HTML converter
# The commands take turns round by round, and the figures are medians of the
# per-round ratios of wall time. Peak resident memory of the converter is
# read with /usr/bin/time on a 1 MB, a 100 MB and (with --big) a 1 GB log.
#
#   bench/run.sh [--rounds N] [--megabytes N] [--big] [--workdir DIR]
set -euo pipefail

rounds=7
megabytes=100
big=0
workdir=${TMPDIR:-/tmp}/vardmoor-bench
while [ $# -gt 0 ]; do
  case $1 in
    --rounds) rounds=$2; shift 2 ;;
    --megabytes) megabytes=$2; shift 2 ;;
    --big) big=1; shift ;;
    --workdir) workdir=$2; shift 2 ;;
    *) echo "usage: $0 [--rounds N] [--megabytes N] [--big] [--workdir DIR]" >&2
       exit 2 ;;
  esac
done

root=$(cd "$(dirname "$0")/.." && pwd)
missing=()
command -v tr >/dev/null || missing+=("coreutils (tr)")
command -v ansi2html >/dev/null || missing+=("colorized-logs (ansi2html)")
[ -x /usr/bin/time ] || missing+=("time (/usr/bin/time)")
if [ ${#missing[@]} -gt 0 ]; then
  echo "missing yardsticks; install them with apt-get install:" >&2
  printf '  %s\n' "${missing[@]}" >&2
  exit 1
fi

build=$root/build-bench
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DVARDMOOR_TESTS=OFF \
  >/dev/null
cmake --build "$build" -j2 >/dev/null
converter=$build/VardmoorHtml
make_log=$build/make_log

mkdir -p "$workdir"
bytes=$((megabytes * 1000000))
for kind in dense plain; do
  "$make_log" $kind $bytes > "$workdir/$kind.log"
done
"$make_log" dense 1000000 > "$workdir/small.log"

# seconds COMMAND...: runs it once, prints its wall time in seconds.
seconds() {
  local start=$EPOCHREALTIME
  "$@"
  local stop=$EPOCHREALTIME
  awk -v a="$start" -v b="$stop" 'BEGIN { printf "%.6f\n", b - a }'
}
run_converter() { "$converter" "$1" "$workdir/out.html"; }
run_tr() { tr a b < "$1" > "$workdir/out.tr"; }
run_ansi2html() { ansi2html < "$1" > "$workdir/out.a2h"; }
median() { sort -g | awk '{ v[NR] = $1 } END {
  if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

echo "converter: $converter"
echo "logs: $megabytes MB each, $rounds rounds, commands alternating"
echo
echo "| log | converter s | tr s | ansi2html s | converter / tr | ansi2html / converter |"
echo "|---|---|---|---|---|---|"
for kind in dense plain; do
  log=$workdir/$kind.log
  run_converter "$log"; run_tr "$log"  # warm the page cache
  : > "$workdir/times"
  for ((round = 0; round < rounds; round++)); do
    if ((round % 2 == 0)); then
      c=$(seconds run_converter "$log"); t=$(seconds run_tr "$log")
      a=$(seconds run_ansi2html "$log")
    else
      a=$(seconds run_ansi2html "$log"); t=$(seconds run_tr "$log")
      c=$(seconds run_converter "$log")
    fi
    echo "$c $t $a" >> "$workdir/times"
  done
  conv=$(awk '{ print $1 }' "$workdir/times" | median)
  trs=$(awk '{ print $2 }' "$workdir/times" | median)
  a2h=$(awk '{ print $3 }' "$workdir/times" | median)
  by_tr=$(awk '{ print $1 / $2 }' "$workdir/times" | median)
  by_a2h=$(awk '{ print $3 / $1 }' "$workdir/times" | median)
  printf '| %s | %.3f | %.3f | %.3f | %.2f | %.1f |\n' \
    "$kind" "$conv" "$trs" "$a2h" "$by_tr" "$by_a2h"
done

echo
echo "| log | converter peak resident memory |"
echo "|---|---|"
peak() { /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -n 1; }
printf '| 1 MB dense | %s KiB |\n' "$(peak "$converter" "$workdir/small.log" "$workdir/out.html")"
printf '| %s MB dense | %s KiB |\n' "$megabytes" \
  "$(peak "$converter" "$workdir/dense.log" "$workdir/out.html")"
if [ $big = 1 ]; then
  # Streamed through a pipe into /dev/null, so the gigabyte and its page
  # never have to sit on disk.
  printf '| 1 GB dense, streamed | %s KiB |\n' "$("$make_log" dense 1000000000 |
    /usr/bin/time -f %M "$converter" /dev/stdin /dev/null 2>&1 | tail -n 1)"
fi
rm -f "$workdir/out.html" "$workdir/out.tr" "$workdir/out.a2h" "$workdir/times"
