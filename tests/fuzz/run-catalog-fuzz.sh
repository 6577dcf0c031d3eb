#!/usr/bin/env bash
# Builds the catalogue trailer fuzzer with clang (libFuzzer, ASan, UBSan) in build/fuzz-catalog
# and runs it for SECONDS seconds (default 60). A crash leaves its input in the build folder.
set -euo pipefail

seconds="${1:-60}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="$root/build/fuzz-catalog"
sanitizers="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined"

cmake -S "$root" -B "$build" -G Ninja -DGLYPHWORK_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_C_FLAGS="$sanitizers" -DCMAKE_CXX_FLAGS="$sanitizers" >/dev/null
cmake --build "$build" -j2 --target catalog_trailer_fuzz

corpus="$build/corpus-catalog"
mkdir -p "$corpus"
# Seeds: an empty catalogue, and one entry right after a 64-byte "image".
printf '\0\x10\0\0\0' > "$corpus/seed-empty"
{ head -c 64 /dev/zero; printf '\x08SETUP.EX\0\0\0\0\0\0\0\0\0\0\0\x40\0\0\0\x10\0\0\0\x01\x50\0\0\0'; } \
  > "$corpus/seed-one-entry"
# The same with a checksum block of one volume in front of the record.
python3 - "$corpus/seed-with-checksums" <<'PY'
import struct, sys, zlib
body = b"GWSUMS01" + bytes([1]) + struct.pack("<IIII", 100, 0x12345678, 0x50, 0x9ABCDEF0)
block = body + struct.pack("<II", zlib.crc32(body), len(body) + 8)
record = bytes([8]) + b"SETUP.EX" + bytes(11) + struct.pack("<ii", 0x40, 0x10)
open(sys.argv[1], "wb").write(bytes(64) + block + record + bytes([1]) + struct.pack("<i", 0x50))
PY

cd "$build"
# The fuzzer's running commentary goes to a log; a failure shows its end.
log="$build/catalog_trailer_fuzz.log"
if ! "$build/bin/catalog_trailer_fuzz" -max_total_time="$seconds" -max_len=8192 -print_final_stats=1 "$corpus" \
    2>"$log"; then
  tail -40 "$log"
  exit 1
fi
grep -E 'stat::number_of_executed_units|Done' "$log" | tail -2 || true
