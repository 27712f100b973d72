#!/usr/bin/env bash
# Runs the cross-built Windows suite under wine64 in a throwaway prefix that this run
# creates and removes. Usage: run_windows_suite.sh <orr_windows_tests.exe>
set -euo pipefail
suite=$1

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

"$wine" "$suite" --gtest_color=no
