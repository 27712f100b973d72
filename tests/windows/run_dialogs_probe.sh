#!/usr/bin/env bash
# Runs the message-box probe under wine64 on a private Xvfb with openbox, in a throwaway
# prefix, with the probe pressing its own keys. Usage: run_dialogs_probe.sh <dialogs_probe.exe>
set -euo pipefail
exe=$(realpath "$1")

wine=$(command -v wine64 || true)
[ -n "$wine" ] || { [ -x /usr/lib/wine/wine64 ] && wine=/usr/lib/wine/wine64; } || wine=wine

work=$(mktemp -d "${TMPDIR:-/tmp}/orrindale-dialogs.XXXXXX")
xvfb= openbox=
cleanup() {
  WINEPREFIX=$work/prefix wineserver -k >/dev/null 2>&1 || true
  [ -z "$openbox" ] || kill "$openbox" 2>/dev/null || true
  [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# The server picks a free display number and writes it once it listens.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -n1 "$work/display")
openbox --sm-disable >/dev/null 2>&1 &
openbox=$!
for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.1; done

export WINEPREFIX=$work/prefix WINEDEBUG=-all
# No Mono or Gecko installers while the prefix is made; the probe needs neither.
export WINEDLLOVERRIDES="mscoree,mshtml="
"$wine" wineboot --init >/dev/null 2>&1
timeout 180 "$wine" "$exe" --self
