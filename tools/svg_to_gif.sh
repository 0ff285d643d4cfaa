#!/usr/bin/env bash
# Renders one SVG source to the palette GIF the program embeds.
#   svg_to_gif.sh SOURCE.svg OUT.gif opaque            -> GIF87a, no transparency
#   svg_to_gif.sh SOURCE.svg OUT.gif transparent       -> GIF89a, one transparent colour
# Transparent pictures: pixels of the SVG that are less than half covered become the
# transparent colour; the rest are made fully opaque, so no edge pixel is half-blended
# with a colour that will never be shown behind it.
set -euo pipefail
src=$1 out=$2 mode=$3
colors=${COLORS:-256}
tmp=$(mktemp --suffix=.png)
trap 'rm -f "$tmp"' EXIT
rsvg-convert "$src" -o "$tmp"
# Anti-aliasing and cairo's premultiplied alpha leave pixels a step or two off the shared
# palette (blue, cyan, slot blue, red, yellow, white, black); pull them back onto it so every
# picture uses exactly the same ground and accent colours.
snap=()
for c in '#0402FC' '#04FEFC' '#0402A4' '#FC0204' '#FCFE04' '#FFFFFF' '#000000'; do
  snap+=(-fill "$c" -opaque "$c")
done
case $mode in
  opaque)
    convert "$tmp" -background white -alpha remove -alpha off -fuzz 1% "${snap[@]}" +fuzz +dither -colors "$colors" GIF87:"$out" ;;
  transparent)
    convert "$tmp" -channel A -threshold 50% +channel -fuzz 1% "${snap[@]}" +fuzz +dither -colors "$colors" GIF:"$out" ;;
  *) echo "svg_to_gif.sh: mode must be opaque or transparent" >&2; exit 2 ;;
esac
