#!/usr/bin/env bash
# Builds everything and runs every test, headless.
#   ./test.sh             the normal build and its tests
#   ./test.sh --sanitize  also an ASan + UBSan build of the whole suite, and a bounded fuzz run
#   ./test.sh --windows   also the core and its tests built for Windows and run under Wine
set -euo pipefail
cd "$(dirname "$0")"

sanitize=0
windows=0
for arg in "$@"; do
  case "$arg" in
    --sanitize) sanitize=1 ;;
    --windows) windows=1 ;;
    *) echo "unknown option: $arg" >&2; exit 2 ;;
  esac
done
[ $sanitize -eq 1 ] && export GLOW_EXTRA_PACKAGES="clang libclang-rt-14-dev"
[ $windows -eq 1 ] && export GLOW_EXTRA_PACKAGES="${GLOW_EXTRA_PACKAGES:-} g++-mingw-w64-x86-64-posix wine64 googletest"
source tools/setup.sh

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs" --timeout 300

if [ $sanitize -eq 1 ]; then
  cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DGLOW_SANITIZE=ON >/dev/null
  cmake --build build-sanitize -j "$jobs"
  ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions="$PWD/tools/lsan.supp":print_suppressions=0 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-sanitize --output-on-failure -j "$jobs" --timeout 600
  if [ -x tests/fuzz/run-fuzzers.sh ]; then
    tests/fuzz/run-fuzzers.sh "${GLOW_FUZZ_SECONDS:-30}"
  fi
fi

if [ $windows -eq 1 ]; then
  tools/windows-check.sh
fi
