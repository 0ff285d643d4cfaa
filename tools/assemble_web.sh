#!/usr/bin/env bash
# Puts the web build together in OUT (static files only): the page, with the first screen's pictures
# fetched ahead, the program (metria.js and metria.wasm from the emcmake build in OBJ), pictures,
# icons and cues, the two faces subset to the characters the program and the page draw and renamed,
# the licences, and the offline cache's list of every file; beside it, in OUT-retire, the worker that
# takes the offline copy away again.
#   tools/assemble_web.sh OBJ OUT
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
obj=$1 out=$2
web_obj=$obj/src/platform/web

rm -rf "$out"
mkdir -p "$out/pictures" "$out/wav" "$out/icons" "$out/fonts"
cp "$root/web/style.css" "$root/web/autostart.js" "$root/web/licence.css" "$root/web/manifest.webmanifest" "$out/"
# The main menu's pictures, named in the page's head beside the program and the faces its first
# frame needs: as the menu's definition names them (list_first_pictures.js), in place of
# index.html's @FIRST_PICTURES@ line.
first_pictures=$(node "$web_obj/list_first_pictures.js" | sed 's|.*|<link data-first href="pictures/&" as="image" data-picture="&">|')
FIRST_PICTURES=$first_pictures perl -pe 's/^<!-- \@FIRST_PICTURES\@ -->\n/$ENV{FIRST_PICTURES}\n/' \
  "$root/web/index.html" > "$out/index.html"
cp "$web_obj/metria.js" "$web_obj/metria.wasm" "$out/"
cp "$root"/assets/pictures/*.gif "$out/pictures/"
cp "$root"/assets/wav/*.wav "$out/wav/"
# The window's icon; the drag pointer comes as PNGs of the sizes the page shows it at.
cp "$root"/assets/icons/stopwatch.ico "$root"/web/icons/*.png "$out/icons/"

# Every character the faces must hold (Debian's python3-fonttools and python3-brotli subset them): the program's own texts, listed by the program's code, and
# the page's.
texts=$obj/drawn_text.txt
node "$web_obj/list_drawn_text.js" > "$texts"
perl -0pe 's/<!--.*?-->//gs; s/<script.*?<\/script>//gs; s/<[^>]*>//gs' "$root/web/index.html" >> "$texts"
# The subsets are Derived Programs under the IPA Font License: they may not carry the original's
# name, and go out with the licence and the way back to the originals (web_licences.py).
subset_options=(--flavor=woff2 --layout-features='*' --no-hinting --desubroutinize)
subset() {
  local family=$1 name=$2 own_name=$3 file
  file=$(fc-match -f '%{file}' "$family")
  case $file in
    *ipamp.ttf|*ipagp.ttf) ;;
    *) echo "assemble_web.sh: $family not found (fonts-ipafont-mincho / fonts-ipafont-gothic)" >&2; exit 1 ;;
  esac
  /usr/bin/python3 -m fontTools.subset "$file" --text-file="$texts" "${subset_options[@]}" \
    --output-file="$out/fonts/$name.woff2"
  /usr/bin/python3 "$root/tools/rename_web_face.py" "$file" "$out/fonts/$name.woff2" "$own_name"
}
subset IPAPMincho mincho 'Metria Mincho'
subset IPAPGothic gothic 'Metria Gothic'
/usr/bin/python3 "$root/tools/web_licences.py" "$root" "$out" "${subset_options[@]}"
/usr/bin/python3 "$root/tools/face_metrics.py" "$out" "$root/web/style.css"

# The page's scripts as one file, in the order they run (each needs only those before it): one
# request, where six would each wait their turn for a connection or the offline cache. Minified by
# esbuild (tools/esbuild, pinned in its package-lock.json); every file a browser may keep for good
# named after its content. The source map stays out of the site, in OBJ/source-maps, for the
# browser's tools to be given by hand: a server has no business handing out the sources.
page=$root/src/platform/web/page
cat "$page/network.js" "$out/face_metrics.js" "$page"/{canvas_2d,cues,layer,page}.js > "$obj/metria_page.js"
rm "$out/face_metrics.js"
"$root/tools/esbuild/node_modules/.bin/esbuild" "$obj/metria_page.js" \
  --minify --sourcemap=external --outfile="$out/metria_page.js" --log-level=warning
/usr/bin/python3 "$root/tools/name_web_files.py" "$out"
rm -rf "$obj/source-maps"
mkdir -p "$obj/source-maps"
mv "$out"/*.map "$obj/source-maps/"

# The offline cache: the list of files, and a build name that changes whenever any file does.
files=$(cd "$out" && find . -type f ! -name sw.js | sort | sed 's|^\./||')
build=$(cd "$out" && cat $files | sha256sum | cut -c1-16)
list=$(printf '%s\n' "./" $files | sed 's/.*/  "&",/' | sed '$ s/,$//')
{
  sed -e "s/@BUILD@/$build/" -e '/@FILES@/,$d' "$root/web/sw.js"
  echo "const FILES = ["
  echo "$list"
  echo "];"
  sed -e '1,/@FILES@/d' "$root/web/sw.js"
} > "$out/sw.js"
# The worker that takes the offline copy away again, with a page saying so, beside the site: for
# the day the site is taken down (docs/deploy.md).
rm -rf "$out-retire"
cp -r "$root/web/retire" "$out-retire"
# Each file compressed ahead, for servers that send what is there (compress_web.py).
/usr/bin/python3 "$root/tools/compress_web.py" "$out"
echo "web build $build in $out: $(du -sh --exclude='*.gz' --exclude='*.br' "$out" | cut -f1)"
