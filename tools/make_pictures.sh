#!/usr/bin/env bash
# Regenerates the pictures of the Image controls and the two icons from their SVG sources:
#   assets/src/pictures/NAME.svg -> assets/pictures/NAME.gif
#   assets/src/icons/NAME.svg    -> assets/icons/NAME.ico
# Needs rsvg-convert, ImageMagick's convert and the IPA P fonts (IPAPMincho, IPAPGothic).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
src=$root/assets/src
to_gif=$root/tools/svg_to_gif.sh

# Opaque pictures (GIF87a) lie on a ground of their own; the marks and medals (GIF89a) let
# what is beneath show through their one transparent colour.
opaque=(title_banner credit_picture turtle_pose1 turtle_pose2 scroll_turtle_large
        scroll_turtle_small sign_left sign_right)
transparent=(circle_mark cross_mark gold_medal silver_medal bronze_medal)

mkdir -p "$root/assets/pictures" "$root/assets/icons"
for name in "${opaque[@]}"; do
  "$to_gif" "$src/pictures/$name.svg" "$root/assets/pictures/$name.gif" opaque
done
for name in "${transparent[@]}"; do
  "$to_gif" "$src/pictures/$name.svg" "$root/assets/pictures/$name.gif" transparent
done

# The medals are shown stretched (to 174 x 202 and 190 x 230 pixels, and more on larger
# displays): each also comes as a drawing five times its picture's size, with smooth edges in its
# alpha, which the program reduces to the size it is shown at.
stretched=(gold_medal silver_medal bronze_medal)
for name in "${stretched[@]}"; do
  rsvg-convert --zoom 5 "$src/pictures/$name.svg" -o "$root/assets/pictures/${name}_5x.png"
done

# An icon is a 32 x 32 palette bitmap with an AND mask: half-covered pixels become opaque,
# the rest see-through, so the cursor and the window icon have hard edges.
make_icon() {
  local name=$1 colors=$2 tmp
  tmp=$(mktemp --suffix=.png)
  rsvg-convert "$src/icons/$name.svg" -o "$tmp"
  convert "$tmp" -channel A -threshold 50% +channel +dither -colors "$colors" \
    "$root/assets/icons/$name.ico"
  rm -f "$tmp"
}
make_icon stopwatch 256
make_icon magnifier 16
