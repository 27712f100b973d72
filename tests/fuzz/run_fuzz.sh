#!/usr/bin/env bash
# Builds the parser's libFuzzer target with clang (the main build uses g++) and runs it
# for a bounded time from the seed corpus. Usage: run_fuzz.sh <repo> <work dir> <seconds>
set -euo pipefail
repo=$1 work=$2 seconds=$3
mkdir -p "$work/corpus"
binary=$work/settings_parser_fuzz
sources=("$repo/tests/fuzz/settings_parser_fuzz.cpp" "$repo/app/settings/ini_text.cpp" "$repo/app/settings/ini_number.cpp"
         "$repo/app/settings/profile_encoding.cpp")
headers=("$repo/app/settings/ini_text.h" "$repo/app/settings/ini_number.h" "$repo/app/settings/profile_encoding.h")

stale=0
[ -x "$binary" ] || stale=1
for f in "${sources[@]}" "${headers[@]}" "$0"; do
  [ "$f" -nt "$binary" ] && stale=1
done
if [ $stale -eq 1 ]; then
  clang++ -std=c++20 -O1 -g -fno-omit-frame-pointer -fsanitize=fuzzer,address,undefined \
          -fno-sanitize-recover=undefined -I"$repo" "${sources[@]}" -o "$binary.new"
  mv "$binary.new" "$binary"
fi

# New finds go to the work folder; the checked-in seeds stay as they are.
cp -n "$repo"/tests/fuzz/corpus/* "$work/corpus/" 2>/dev/null || true
cd "$work"
exec "$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
     -dict="$repo/tests/fuzz/settings.dict" -print_final_stats=1 "$work/corpus"
