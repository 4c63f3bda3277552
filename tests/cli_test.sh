#!/usr/bin/env bash
# Command-line cases run against the built program:
#   cli_test.sh CASE [EMULATOR ...] PROGRAM
# Each case checks the console output, the exit status, and which files were
# touched. A case that the platform cannot set up exits 77 (skipped).
# With CLI_WINDOWS=1 the program is a Windows one, whose text-mode streams
# write each line feed, on the console and in the page, as CR LF; the texts
# expected below are written with plain line feeds.
set -u
case_name=$1
shift
program=("$@")
here=$(cd "$(dirname "$0")" && pwd)

work=$(mktemp -d)
trap 'chmod -R u+rwx "$work" 2>/dev/null; rm -rf "$work"' EXIT
cd "$work" || exit 1

nl=$'\n'
[ "${CLI_WINDOWS:-}" = 1 ] && nl=$'\r\n'

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
skip() { echo "skipped: $*"; exit 77; }

# run ARGS...: runs the program, keeping its output and exit status.
runner=()
run() {
  output=$("${runner[@]}" "${program[@]}" "$@"; echo "status=$?")
  status=${output##*status=}
  output=${output%status=*}
}
expect_status() { [ "$status" = "$1" ] || fail "exit status $status, expected $1"; }
expect_output() {
  local expected=${1//$'\n'/$nl}
  [ "$output" = "$expected" ] ||
    fail "output $(printf %q "$output"), expected $(printf %q "$expected")"
}
expect_same() { cmp -s "$1" "$2" || fail "$1 differs from $2"; }
expect_absent() { [ ! -e "$1" ] || fail "$1 was created"; }
expect_no_trailer() {
  [ "$(tail -c ${#trailer} "$1")" != "$trailer" ] ||
    fail "$1 ends with the trailer, as if it were complete"
}

# Permissions do not stop root, so as root the cases about them run the
# program as the user nobody; they are skipped where that cannot be done.
as_unprivileged_user() {
  [ "$(id -u)" = 0 ] || return 0
  command -v setpriv >/dev/null || skip "running as root, and no setpriv"
  chmod 777 "$work"
  runner=(setpriv --reuid=65534 --regid=65534 --clear-groups --)
  run
  [ "$status" = 2 ] || skip "the user nobody cannot run ${program[*]}"
}

make_log() { printf 'Room\n\033[1;31mAn orc\033[0m attacks <you>!\n' > "$1"; }
make_log log.txt
cp log.txt log.orig
printf 'an older page\n' > old.html
cp old.html old.orig

empty_page=$here/golden/empty.html
header=$(head -c $(( $(wc -c < "$empty_page") - 20 )) "$empty_page"; echo x)
header=${header%x}
header=${header//$'\n'/$nl}
trailer='</pre></font></body>'

case $case_name in
usage_no_arguments)
  run
  expect_status 2
  expect_output $'\nUsage: VardmoorHtml.exe <logfile> <htmlfile>\n'
  ;;
usage_one_argument)
  run log.txt
  expect_status 2
  expect_output $'\nUsage: VardmoorHtml.exe <logfile> <htmlfile>\n'
  expect_same log.txt log.orig
  ;;
extra_arguments_ignored)
  run log.txt page.html third.html
  expect_status 0
  expect_output ''
  [ -s page.html ] || fail "page.html was not written"
  expect_absent third.html
  ;;
missing_log)
  run no-such.log old.html
  expect_status 1
  expect_output $'File open error: no-such.log\n'
  expect_same old.html old.orig
  run no-such.log new.html
  expect_absent new.html
  ;;
log_is_directory)
  mkdir folder
  run folder old.html
  expect_status 1
  expect_output $'File open error: folder\n'
  expect_same old.html old.orig
  run folder new.html
  expect_absent new.html
  ;;
unreadable_log)
  as_unprivileged_user
  chmod 000 log.txt
  run log.txt old.html
  expect_status 1
  expect_output $'File open error: log.txt\n'
  expect_same old.html old.orig
  run log.txt new.html
  expect_status 1
  expect_absent new.html
  chmod 644 log.txt
  expect_same log.txt log.orig
  ;;
unwritable_page)
  as_unprivileged_user
  chmod 444 old.html
  run log.txt old.html
  expect_status 1
  expect_output $'File open error: old.html\n'
  expect_same old.html old.orig
  expect_same log.txt log.orig
  mkdir locked
  chmod 555 locked
  run log.txt locked/page.html
  expect_status 1
  expect_output $'File open error: locked/page.html\n'
  expect_absent locked/page.html
  ;;
log_removed_while_read)
  # The log's name goes away while the program reads it: the file it opened
  # is read to its end and the page is whole. A pipe makes the moment
  # certain: its name is removed once the program holds it open, between
  # two parts of the log.
  cp log.txt big.log
  for i in $(seq 14); do cat big.log big.log > twice.log; mv twice.log big.log; done
  "${program[@]}" big.log expected.html > /dev/null || fail "big.log not converted"
  mkfifo pipe.log
  "${program[@]}" pipe.log page.html > console.txt &
  pid=$!
  timeout 60 bash -c 'exec 3> pipe.log && head -c 300000 big.log >&3 &&
    rm pipe.log && tail -c +300001 big.log >&3' ||
    { fail "could not feed the log through the pipe"; kill $pid; }
  wait $pid
  status=$?
  output=$(cat console.txt)
  expect_status 0
  expect_output ''
  expect_absent pipe.log
  expect_same page.html expected.html
  ;;
read_error)
  # Reading the start of a process's own memory fails with an I/O error.
  [ -e /proc/self/mem ] || { echo "skipped: no /proc/self/mem"; exit 77; }
  run /proc/self/mem page.html
  expect_status 1
  expect_output $'File read error: /proc/self/mem\n'
  expect_no_trailer page.html
  ;;
page_in_missing_folder)
  run log.txt missing/page.html
  expect_status 1
  expect_output $'File open error: missing/page.html\n'
  expect_same log.txt log.orig
  expect_absent missing
  ;;
page_is_directory)
  mkdir folder
  run log.txt folder
  expect_status 1
  expect_output $'File open error: folder\n'
  expect_same log.txt log.orig
  [ -d folder ] && [ -z "$(ls -A folder)" ] || fail "folder was changed"
  ;;
page_on_full_disk)
  [ -w /dev/full ] || { echo "skipped: no /dev/full"; exit 77; }
  # A page that fits the stream's buffer fails only when it is closed; a
  # larger one fails while it is written.
  for size in small large; do
    [ $size = large ] && head -c 3000000 /dev/zero | tr '\0' 'x' > log.txt && cp log.txt log.orig
    run log.txt /dev/full
    expect_status 1
    expect_output $'File write error: /dev/full\n'
    expect_same log.txt log.orig
  done
  ;;
same_path)
  run log.txt log.txt
  expect_status 1
  expect_output $'File open error: log.txt (same file as the log)\n'
  expect_same log.txt log.orig
  ;;
same_path_other_spelling)
  mkdir sub
  run log.txt ./sub/../log.txt
  expect_status 1
  expect_output $'File open error: ./sub/../log.txt (same file as the log)\n'
  run "$work/log.txt" log.txt
  expect_status 1
  expect_output $'File open error: log.txt (same file as the log)\n'
  expect_same log.txt log.orig
  ;;
page_symlink_to_log)
  ln -s log.txt link.html
  run log.txt link.html
  expect_status 1
  expect_output $'File open error: link.html (same file as the log)\n'
  expect_same log.txt log.orig
  ;;
page_hardlink_to_log)
  ln log.txt hard.html
  run log.txt hard.html
  expect_status 1
  expect_output $'File open error: hard.html (same file as the log)\n'
  expect_same log.txt log.orig
  ;;
line_limit_boundary)
  # 65,533 bytes and a line feed are one chunk; 65,534 and a line feed two.
  # Windows reads a CR LF as the one line feed that it counts as.
  endings=($'\n')
  [ "$nl" = $'\r\n' ] && endings+=($'\r\n')
  for ending in "${endings[@]}"; do
    for n in 65533 65534; do
      { head -c $n /dev/zero | tr '\0' 'a'; printf '%s' "$ending"; } > long.log
      run long.log long.html
      expect_status 0
      { printf '%s<br>' "$header"; head -c $n /dev/zero | tr '\0' 'a'
        [ $n = 65534 ] && printf '<br>'; printf '%s%s' "$nl" "$trailer"; } > expected.html
      expect_same long.html expected.html
    done
  done
  ;;
same_path_windows_spelling)
  # Windows spellings of the log's path: a detour with backslashes, another
  # letter case, and the full path (Wine shows the root folder as drive Z:).
  mkdir sub
  full="Z:${work//\//\\}\\log.txt"
  for page in '.\sub\..\log.txt' LOG.TXT "$full"; do
    run log.txt "$page"
    expect_status 1
    expect_output "File open error: $page (same file as the log)"$'\n'
  done
  run "$full" '.\Log.Txt'
  expect_status 1
  expect_output $'File open error: .\\Log.Txt (same file as the log)\n'
  expect_same log.txt log.orig
  ;;
windows_missing_folder)
  run log.txt 'missing\page.html'
  expect_status 1
  expect_output $'File open error: missing\\page.html\n'
  run 'missing\log.txt' page.html
  expect_status 1
  expect_output $'File open error: missing\\log.txt\n'
  expect_absent page.html
  ;;
crlf_across_reads)
  # Every 4,096-byte block of the log ends in a CR, and the next block begins
  # with the LF of that CR LF or, every other time, with the text after a
  # lone CR; reads of any power-of-two size from 4 KiB up cut these pairs.
  text=$(head -c 4094 /dev/zero | tr '\0' 'a')
  printf 'a%s\r' "$text" > split.log
  printf '%s<br>a%s' "$header" "$text" > expected.html
  for ((block = 1; block < 160; block++)); do
    if ((block % 2)); then
      printf '\n%s\r' "$text" >> split.log
      printf '\r\n<br>%s' "$text" >> expected.html
    else
      printf 'c%s\r' "$text" >> split.log
      printf '\rc%s' "$text" >> expected.html
    fi
  done
  printf '\r%s' "$trailer" >> expected.html
  run split.log split.html
  expect_status 0
  expect_output ''
  expect_same split.html expected.html
  ;;
existing_page_truncated)
  head -c 100000 /dev/zero > old.html
  run log.txt old.html
  expect_status 0
  size=$(wc -c < old.html)
  [ "$size" -lt 1000 ] || fail "page still holds $size bytes of the old file"
  ;;
*)
  echo "unknown case $case_name"
  exit 2
  ;;
esac

[ $failures -eq 0 ] || exit 1
echo "ok: $case_name"
