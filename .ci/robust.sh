#!/usr/bin/env bash
# Robustness checks, run by .ci/run after the normal tests: the whole test
# suite built with ASan and UBSan, a short fuzz run, clang-tidy and cppcheck.
set -euo pipefail
cd "$(dirname "$0")/.."
start=$SECONDS

bash .ci/apt_install.sh clang-14 libfuzzer-14-dev libclang-rt-14-dev \
  clang-tidy-14 cppcheck

echo "== sanitizer tests"
cmake -S . -B build-sanitize -DVARDMOOR_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
cmake --build build-sanitize -j2
ctest --test-dir build-sanitize --output-on-failure

echo "== fuzz smoke run"
fuzz/run 60

echo "== clang-tidy"
# The fuzz build's compile commands cover the program, the tests and the
# fuzz targets; nothing needs to be built for them.
cmake -S . -B build-tidy -DCMAKE_EXPORT_COMPILE_COMMANDS=ON \
  -DVARDMOOR_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null
run-clang-tidy-14 -p build-tidy -j2 -quiet "$PWD/(src|fuzz)/"

echo "== cppcheck"
cppcheck --std=c++17 --language=c++ --library=googletest --library=posix \
  --enable=warning,performance,portability --error-exitcode=1 \
  --inline-suppr --quiet -I src src fuzz

echo "== robustness checks passed in $((SECONDS - start)) s"
