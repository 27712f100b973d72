#!/usr/bin/env bash
# Builds the GIF loader's libFuzzer target with clang against giflib (the main build
# uses g++) and runs it for a bounded time from the seed corpus.
# Usage: run_gif_fuzz.sh <repo> <work dir> <seconds>
set -euo pipefail
repo=$1 work=$2 seconds=$3
mkdir -p "$work/corpus"
binary=$work/gif_loader_fuzz
sources=("$repo/tests/fuzz/gif_loader_fuzz.cpp" "$repo/about/gif_loader.cpp" "$repo/about/qt/giflib_decoder.cpp"
         "$repo/about/gif_compositor.cpp" "$repo/about/gif_animator.cpp" "$repo/about/tick_clock.cpp")
headers=("$repo/about/gif_loader.h" "$repo/about/gif_decoder.h" "$repo/about/gif_picture.h"
         "$repo/about/gif_compositor.h" "$repo/about/gif_animator.h" "$repo/about/tick_clock.h")

stale=0
[ -x "$binary" ] || stale=1
for f in "${sources[@]}" "${headers[@]}" "$0"; do
  [ "$f" -nt "$binary" ] && stale=1
done
if [ $stale -eq 1 ]; then
  clang++ -std=c++20 -O1 -g -fno-omit-frame-pointer -fsanitize=fuzzer,address,undefined \
          -fno-sanitize-recover=undefined -I"$repo" "${sources[@]}" -lgif -o "$binary.new"
  mv "$binary.new" "$binary"
fi

# New finds go to the work folder; the checked-in seeds stay as they are.
cp -n "$repo"/tests/fuzz/gif_corpus/* "$work/corpus/" 2>/dev/null || true
cd "$work"
exec "$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
     -dict="$repo/tests/fuzz/gif.dict" -print_final_stats=1 "$work/corpus"
