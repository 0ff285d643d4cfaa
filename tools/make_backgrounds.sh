#!/usr/bin/env bash
# Regenerates the eight 640 × 400 screen backgrounds (opaque GIF87a) from their SVG sources.
# Usage: tools/make_backgrounds.sh   (from anywhere; needs rsvg-convert, ImageMagick and the IPA P fonts)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
src=$root/assets/src/backgrounds
out=$root/assets/pictures
for name in menu number_menu drill_jpb drill_si drill_jps quiz_si quiz_japan quiz_currency; do
  "$root/tools/svg_to_gif.sh" "$src/$name.svg" "$out/${name}_background.gif" opaque
done
