#!/usr/bin/env bash
# Renders the web app's icons of the stopwatch, which web/manifest.webmanifest names:
#   web/icons/metria_192.png and web/icons/metria_512.png, sharp at their own sizes.
# Needs librsvg2-bin (rsvg-convert) and ImageMagick. Rerun after changing
# assets/src/icons/stopwatch.svg.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/web/icons
mkdir -p "$out"
for size in 192 512; do
  rsvg-convert --width "$size" --height "$size" "$root/assets/src/icons/stopwatch.svg" -o "$out/metria_$size.png.tmp"
  # -strip leaves out time stamps, so an unchanged icon gives the same file on every run.
  convert "$out/metria_$size.png.tmp" -strip PNG32:"$out/metria_$size.png"
  rm -f "$out/metria_$size.png.tmp"
done
echo "wrote $out/metria_192.png and $out/metria_512.png"
