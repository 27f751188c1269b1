#!/usr/bin/env bash
# Builds the plain C++ core (model, effects, profiles, the editor's Windows file-type code) and its
# tests as Windows executables with MinGW-w64, and runs them under Wine, headless. Fails on
# any failed test. Needs g++-mingw-w64-x86-64-posix, wine64 and googletest (./test.sh
# --windows installs them).
set -euo pipefail
cd "$(dirname "$0")/.."

build=${GLOW_WINDOWS_BUILD:-build-windows}
jobs=$(nproc)

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DGLOW_CORE_ONLY=ON \
  -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$build" -j "$jobs"

# Quiet and self-contained: no debug output, no display, no Mono or Gecko installer, and a
# prefix of its own, made once and kept with the build.
export WINEPREFIX="$PWD/$build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY=
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  "$wine" wineboot --init >/dev/null 2>&1
fi
status=0
ctest --test-dir "$build" --output-on-failure -j "$jobs" --timeout 300 || status=$?
# The prefix's server would linger a few seconds after the last test.
"$wineserver" -k 2>/dev/null || true
exit $status
