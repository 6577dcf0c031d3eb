#!/usr/bin/env bash
# Builds the codec's fuzzers with clang (ASan + UBSan + libFuzzer) and runs each for SECONDS.
# Usage: tests/fuzz/run-lzh-fuzz.sh [SECONDS]   (default 20)
set -euo pipefail

seconds="${1:-20}"
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="$root/build/fuzz"

cmake -S "$root" -B "$build" -G Ninja -DGLYPHWORK_FUZZ=ON \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target lzh_fuzz_decode lzh_fuzz_round_trip -j2

bin="$build/tests/fuzz/lzh"
work="$build/lzh-corpus"
mkdir -p "$work/decode" "$work/round_trip"

# Seeds: small streams with their byte counts, and a few plain inputs to pack.
printf '\x01\x00\x00\xe6\x80' >"$work/decode/seed-letter-a"
printf '\x08\x00\x00\xf6\xc8\x00\x00' >"$work/decode/seed-eight-a"
printf '\x14\x00\x05' >"$work/decode/seed-empty-source"
printf 'the setup program of the product' >"$work/round_trip/seed-text"
head -c 3000 "$root/src/lzh/lzh_tree.h" >"$work/round_trip/seed-source"

status=0
run() {
  local name="$1" corpus="$2" max_len="$3"
  echo "== $name for ${seconds}s"
  if ! (cd "$work" && "$bin/$name" -max_total_time="$seconds" -max_len="$max_len" \
         -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 "$corpus" 2>"$work/$name.log"); then
    status=1
    tail -40 "$work/$name.log"
  else
    grep -E 'stat::number_of_executed_units|Done' "$work/$name.log" | tail -2 || true
  fi
}
run lzh_fuzz_decode "$work/decode" 4096
run lzh_fuzz_round_trip "$work/round_trip" 65536
exit "$status"
