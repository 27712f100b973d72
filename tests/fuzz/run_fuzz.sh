#!/usr/bin/env bash
# Builds a libFuzzer target with clang (the main build uses g++) and runs it for a bounded
# time from its seed corpus, steered by its dictionary.
# Usage: run_fuzz.sh <repo> <work dir> <seconds> <corpus> <dictionary> <source or -l<library>>...
# (corpus, dictionary and sources relative to the repository)
set -euo pipefail
repo=$1 work=$2 seconds=$3 corpus=$4 dictionary=$5
shift 5
sources=() libraries=()
for arg in "$@"; do
  case $arg in
    -l*) libraries+=("$arg") ;;
    *) sources+=("$repo/$arg") ;;
  esac
done
mkdir -p "$work/corpus"
work=$(cd "$work" && pwd)
flags=(-std=c++20 -I"$repo")
binary=$work/fuzz_target

# Rebuilt when this script, a source or one of our headers it includes is newer.
stale=0
if [ -x "$binary" ]; then
  for f in "$0" $(clang++ "${flags[@]}" -MM "${sources[@]}" | sed -e 's/^[^:]*://' -e 's/\\$//'); do
    [ "$f" -nt "$binary" ] && stale=1
  done
else
  stale=1
fi
if [ $stale -eq 1 ]; then
  clang++ "${flags[@]}" -O1 -g -fno-omit-frame-pointer -fsanitize=fuzzer,address,undefined \
          -fno-sanitize-recover=undefined "${sources[@]}" "${libraries[@]}" -o "$binary.new"
  mv "$binary.new" "$binary"
fi

# New finds go to the work folder; the checked-in seeds stay as they are.
cp -n "$repo/$corpus"/* "$work/corpus/" 2>/dev/null || true
cd "$work"
exec "$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
     -dict="$repo/$dictionary" -print_final_stats=1 "$work/corpus"
