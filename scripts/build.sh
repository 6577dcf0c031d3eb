#!/usr/bin/env bash
# Builds everything: the native tools and tests (build/native), the 64-bit Windows programs the
# tests run under Wine (build/win64) and the 32-bit release build (build/win32).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=${JOBS:-$(nproc)}

configure() {  # folder, extra cmake arguments...
    local dir=$1; shift
    cmake -S "$root" -B "$root/build/$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
}

echo "== native tools and tests"
configure native
cmake --build "$root/build/native" -j "$jobs"

echo "== Windows x86_64 (run under Wine by the tests)"
configure win64 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-x86_64-w64-mingw32.cmake"
cmake --build "$root/build/win64" -j "$jobs"

echo "== Windows i686 (release build)"
configure win32 -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-i686-w64-mingw32.cmake" -DGLYPHWORK_TEST_BUILDS=OFF
cmake --build "$root/build/win32" -j "$jobs"
