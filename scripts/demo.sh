#!/usr/bin/env bash
# The demo: installs what the project needs, builds everything, packs the sample product
# Glyphwork onto two disks and runs its setup program under Wine.
#
#   scripts/demo.sh           with $DISPLAY set: the setup runs on your display, you click
#                             through it; without: it walks through the installation by
#                             itself on a virtual display and saves a screenshot of each step
#                             into artifacts/demo/
#   scripts/demo.sh --auto    the walk-through even when $DISPLAY is set
#
# The distributions land in out/: glyphwork-disks (32-bit, the release) and glyphwork-disks-x64
# (64-bit, the one Wine runs here: this machine's Wine runs 64-bit programs only).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
auto=0
case "${1:-}" in
  --auto) auto=1 ;;
  "") ;;
  *) sed -n '2,13p' "$0" | sed 's/^# \{0,1\}//' >&2; exit 2 ;;
esac

echo "== dependencies"
if ((EUID == 0)); then
  "$root/scripts/install-deps.sh"
else
  sudo "$root/scripts/install-deps.sh"
fi

echo "== build"
JOBS=${JOBS:-2} "$root/scripts/build.sh"

echo "== packing Glyphwork onto two disks"
mkdist="$root/build/native/bin/mkdist"
"$root/scripts/pack-sample.sh" "$root/build/win32/bin" "$mkdist" "$root/out/glyphwork-disks"
"$root/scripts/pack-sample.sh" "$root/build/win64/bin" "$mkdist" "$root/out/glyphwork-disks-x64"
dist="$root/out/glyphwork-disks-x64"

if [[ -n "${DISPLAY:-}" && $auto == 0 ]]; then
  echo "== running the setup program on $DISPLAY (a Wine prefix of its own: build/demo/wineprefix)"
  export WINEPREFIX="$root/build/demo/wineprefix" WINEARCH=win64 WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  wine=/usr/lib/wine/wine64
  if [[ ! -d "$WINEPREFIX" ]]; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    "$wine" wineboot -i
    # Windows' Times New Roman and Arial are not here; their metric-compatible look-alikes are.
    "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' /d 'Liberation Serif' /f
    "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /d 'Liberation Sans' /f
  fi
  # The disk drive stand-in: both volumes beside Setup.exe, so no disk needs swapping.
  (cd "$dist" && "$wine" Setup.exe) || true
  echo "waiting for Glyphwork (and anything else in the prefix) to be closed"
  wineserver -w
  echo "done; UnInstal.Exe in the installed folder removes Glyphwork again"
else
  echo "== walking through the installation on a virtual display"
  /usr/bin/python3 "$root/scripts/demo_walkthrough.py" "$dist" "$root/artifacts/demo" --win-build "$root/build/win64"
fi
