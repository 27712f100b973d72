#!/usr/bin/env bash
# Cross-builds the Windows suite and runs it under wine64 in a throwaway prefix that
# this run creates and removes. Usage: run_windows_suite.sh <repo> <cross build dir>
set -euo pipefail
repo=$1 cross=$2

cmake -S "$repo/tests/windows/cross" -B "$cross" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64.cmake" -DORRINDALE_CORE_ONLY=ON -DORRINDALE_WERROR=ON >/dev/null
cmake --build "$cross" --target orr_windows_tests -j"$(nproc)"

wine=$(command -v wine64 || true)
[ -n "$wine" ] || { [ -x /usr/lib/wine/wine64 ] && wine=/usr/lib/wine/wine64; } || wine=wine

prefix=$(mktemp -d "${TMPDIR:-/tmp}/orrindale-wine.XXXXXX")
cleanup() {
  WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1 || true
  rm -rf "$prefix"
}
trap cleanup EXIT
export WINEPREFIX=$prefix WINEDEBUG=-all
# No Mono or Gecko installers while the prefix is made; the suite needs neither.
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY

"$wine" "$cross/orr_windows_tests.exe" --gtest_color=no
