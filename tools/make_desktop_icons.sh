#!/usr/bin/env bash
# Renders the desktop icons of the stopwatch that packaging/ installs into the hicolor theme:
#   packaging/icons/metria_32.png   the program's own 32 × 32 window icon, pixel for pixel
#   packaging/icons/metria_256.png  the same drawing rendered sharp at 256 × 256
# Needs librsvg2-bin (rsvg-convert) and ImageMagick. Run from anywhere; rerun after changing
# assets/src/icons/stopwatch.svg (and tools/make_pictures.sh for the .ico).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/packaging/icons
mkdir -p "$out"
# -strip leaves out time stamps, so an unchanged icon gives the same file on every run.
convert "$root/assets/icons/stopwatch.ico[0]" -strip PNG32:"$out/metria_32.png"
rsvg-convert --width 256 --height 256 "$root/assets/src/icons/stopwatch.svg" -o "$out/metria_256.png.tmp"
convert "$out/metria_256.png.tmp" -strip PNG32:"$out/metria_256.png"
rm -f "$out/metria_256.png.tmp"
echo "wrote $out/metria_32.png and $out/metria_256.png"
