#!/usr/bin/env bash
# The Windows program: cross-builds the 32-bit and the 64-bit VardmoorHtml.exe
# with MinGW-w64 and runs the Windows tests against the 64-bit one under Wine
# (the 32-bit half of Wine cannot run here).
set -euo pipefail
cd "$(dirname "$0")/.."

bash .ci/apt_install.sh --no-install-recommends cmake g++-mingw-w64-i686 \
  g++-mingw-w64-x86-64 wine64

for arch in i686:build-win32 x86_64:build-win64; do
  toolchain=${arch%%:*}
  dir=${arch#*:}
  echo "== Windows build ($toolchain) in $dir"
  cmake -S . -B "$dir" -DCMAKE_TOOLCHAIN_FILE="cmake/mingw-$toolchain.cmake"
  cmake --build "$dir" -j2
  # Self-contained: the program may import nothing but Windows' own DLLs,
  # none of the compiler's runtime (libgcc, libstdc++, winpthread).
  imports=$("$toolchain-w64-mingw32-objdump" -p "$dir/VardmoorHtml.exe" | sed -n 's/.*DLL Name: //p')
  echo "imports: $(echo $imports)"
  if grep -qiv -e '^kernel32\.dll$' -e '^msvcrt\.dll$' <<<"$imports"; then
    echo "VardmoorHtml.exe needs DLLs that a bare Windows lacks" >&2
    exit 1
  fi
done
"i686-w64-mingw32-objdump" -f build-win32/VardmoorHtml.exe | grep -q 'file format pei-i386'

echo "== Windows tests under Wine"
ctest --test-dir build-win64 --output-on-failure
