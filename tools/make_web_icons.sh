#!/usr/bin/env bash
# Renders the web app's icons of the stopwatch, which web/manifest.webmanifest names:
#   web/icons/metria_192.png and web/icons/metria_512.png, sharp at their own sizes;
# and the drill's drag pointer, the magnifier icon enlarged 1 to 4 times, pixels repeated, which the
# page shows as the pointer while a card is dragged: web/icons/magnifier_1x.png … magnifier_4x.png.
# Needs librsvg2-bin (rsvg-convert) and ImageMagick. Rerun after changing
# assets/src/icons/stopwatch.svg or assets/icons/magnifier.ico.
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
for factor in 1 2 3 4; do
  convert "$root/assets/icons/magnifier.ico" -scale "${factor}00%" -strip PNG32:"$out/magnifier_${factor}x.png"
done
echo "wrote $out/metria_192.png, $out/metria_512.png and $out/magnifier_{1,2,3,4}x.png"
