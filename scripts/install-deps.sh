#!/usr/bin/env bash
# Installs everything the project needs on a fresh Debian machine. Safe to run again.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config            # native build of the portable parts and tools
  g++-mingw-w64-i686 g++-mingw-w64-x86-64     # cross compilers for the Windows programs
  binutils-mingw-w64-i686 binutils-mingw-w64-x86-64   # windres, objdump for PE checks
  libgtest-dev libgmock-dev                   # unit tests
  libbenchmark-dev                            # benchmarks
  clang libclang-rt-14-dev                    # libFuzzer and sanitizers
  wine wine64 fonts-wine fonts-liberation     # runs the setup program; Wine's fonts, Times New Roman and Arial look-alikes
  xvfb x11-utils xauth                        # virtual display for the GUI tests
  imagemagick                                 # screenshots and pixel reads
  python3 python3-pytest python3-pil          # end-to-end test harness, pixel reads
  file icoutils                               # checks of the PE header kinds and resources
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
else
  echo "all dependencies present"
fi
