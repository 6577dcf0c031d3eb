#!/usr/bin/env bash
# Packs the sample product Glyphwork onto two disks for a given Setup.exe.
#
#   scripts/pack-sample.sh BUILD_WIN_BIN MKDIST OUT_DIST
#
# BUILD_WIN_BIN is the bin/ folder of a Windows build: it holds Setup.exe and Glyphwork/, the
# product folder the build fills (both programs and the data files). The files are packed in
# the order of product/manifest.txt, the main executable first. OUT_DIST receives Setup.exe
# with the catalogue appended and the volumes Glyphwor.001 and Glyphwor.002.
set -euo pipefail

if (($# != 3)); then
  sed -n '2,9p' "$0" | sed 's/^# \{0,1\}//' >&2
  exit 2
fi
bin=$1 mkdist=$2 out=$3
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
product="$bin/Glyphwork"

[[ -f "$bin/Setup.exe" ]] || { echo "pack-sample: $bin/Setup.exe is missing (build the setup program first)" >&2; exit 1; }
[[ -x "$mkdist" ]] || { echo "pack-sample: $mkdist is not an executable packager" >&2; exit 1; }
mapfile -t names < <(python3 "$root/product/manifest.py" names)
for name in "${names[@]}"; do
  [[ -f "$product/$name" ]] || { echo "pack-sample: $product/$name is missing (build the product first)" >&2; exit 1; }
done

mkdir -p "$out"
"$mkdist" pack --setup "$bin/Setup.exe" --out "$out" "$product" "${names[@]}"

# The sample is meant to span exactly two disks of the default size.
volumes=("$out"/Glyphwor.0??)
if ((${#volumes[@]} != 2)); then
  echo "pack-sample: the archive fills ${#volumes[@]} disk(s), not 2: adjust the sizes in product/manifest.txt" >&2
  exit 1
fi
"$mkdist" verify --setup Setup.exe "$out"
echo "pack-sample: $out holds Setup.exe, ${volumes[0]##*/} and ${volumes[1]##*/}"
