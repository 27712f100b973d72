#!/usr/bin/env bash
# The executable's path on Windows when it has MAX_PATH (260) characters or more: the
# probe, copied into such a folder and started from another working directory under
# wine64, must print its own full path (an empty one would put the settings file in the
# working directory). Usage: run_executable_path_probe.sh <executable_path_probe.exe>
set -euo pipefail
probe=$(realpath "$1")

wine=$(command -v wine64 || true)
[ -n "$wine" ] || { [ -x /usr/lib/wine/wine64 ] && wine=/usr/lib/wine/wine64; } || wine=wine

work=$(mktemp -d "${TMPDIR:-/tmp}/orrindale-longpath.XXXXXX")
cleanup() {
  WINEPREFIX=$work/prefix wineserver -k >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY

folder=$work/program
while [ ${#folder} -lt 280 ]; do folder=$folder/a-folder-name-of-forty-characters-xxxxx; done
mkdir -p "$folder" "$work/elsewhere"
cp "$probe" "$folder/"

# Wine shows the Unix root as drive Z:.
want="Z:$(printf '%s' "$folder/$(basename "$probe")" | tr / '\\')"
got=$(cd "$work/elsewhere" && "$wine" "$folder/$(basename "$probe")" 2>/dev/null | tr -d '\r')
if [ "$got" != "$want" ]; then
  echo "FAIL: a path of ${#want} characters read as '$got'" >&2
  exit 1
fi
echo "PASS: a path of ${#want} characters read back whole"
