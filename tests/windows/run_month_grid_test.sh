#!/usr/bin/env bash
# Runs a test program of Win32 windows (the month grid's, the main window's texts) under
# wine64 on a private Xvfb (Wine makes no window without a display), in a throwaway
# prefix that this run creates and removes.
# Usage: run_month_grid_test.sh <month_grid_win32_tests.exe> [gtest arguments]
set -euo pipefail
exe=$(realpath "$1")
shift

wine=$(command -v wine64 || true)
[ -n "$wine" ] || { [ -x /usr/lib/wine/wine64 ] && wine=/usr/lib/wine/wine64; } || wine=wine

work=$(mktemp -d "${TMPDIR:-/tmp}/orrindale-grid.XXXXXX")
xvfb=
cleanup() {
  WINEPREFIX=$work/prefix wineserver -k >/dev/null 2>&1 || true
  [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# The server picks a free display number and writes it once it listens.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -n1 "$work/display")

export WINEPREFIX=$work/prefix WINEDEBUG=-all
# No Mono or Gecko installers while the prefix is made; the tests need neither.
export WINEDLLOVERRIDES="mscoree,mshtml="
timeout 180 "$wine" "$exe" --gtest_color=no "$@"
