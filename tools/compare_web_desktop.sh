#!/usr/bin/env bash
# Renders each screen on the desktop (the real program under Xvfb, driven with xdotool) in the state
# tools/take_web_screenshots.js captures the browser's canvas in, and counts the pixels that differ:
# the number, the box that holds them, and a picture of where (white) in DIR/diff_NAME.png.
#   tools/compare_web_desktop.sh BINARY DIR     (DIR holds the browser canvases NAME.png at scale 1)
# ONLY_DRILLS=1 retakes only the two number-name drills.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/tests/e2e/lib.sh"
take_binary_argument "$1"
dir=$(realpath "$2")

# desktop NAME TITLE [X Y]...: starts the program, clicks through to TITLE, waits for the screen's
# first stable state and keeps the client area as DIR/desktop_NAME.png.
desktop() {
  local name=$1 title=$2
  shift 2
  app_start
  wait_window "メニュー" 10 && poll 8 entries_shown || return 1
  while [ $# -ge 2 ]; do
    click_at "$1" "$2"
    shift 2
    # A click that leads on to another goes through 数_日本, whose choices show after its walk.
    if [ $# -ge 2 ]; then wait_window "数_日本" 10 || return 1; fi
    sleep 3.5
  done
  wait_window "$title" 10 || return 1
  sleep 3.5
  point_at 5 395
  sleep 0.3
  shoot && cp "$SHOT" "$dir/desktop_$name.png"
  app_stop
}

start_xvfb || exit 1
if [ -z "${ONLY_DRILLS:-}" ]; then
  desktop menu "メニュー"
  app_start; wait_window "メニュー" 10 && poll 8 entries_shown && point_at 124 301 && sleep 0.3 && shoot && cp "$SHOT" "$dir/desktop_menu_hover.png"; app_stop
  desktop quiz_si "ＳＩ単位" 124 301
  desktop quiz_counters "物の数え方" 313 301
  desktop quiz_currencies "通貨の単位" 504 301
  desktop drill_si "接頭語（ＳＩ）" 134 357
  desktop number_menu "数_日本" 360 357
fi
desktop drill_jpb "接頭語（日本・大）" 360 357 174 157
desktop drill_jps "接頭語（日本・小）" 360 357 440 157
cleanup 2>/dev/null

printf '| screen | pixels differing | of | box holding them |\n|---|---|---|---|\n'
for desktop_shot in "$dir"/desktop_*.png; do
  name=$(basename "$desktop_shot" .png)
  name=${name#desktop_}
  web=$dir/$name.png
  [ -f "$web" ] || continue
  differing=$(compare -metric AE "$desktop_shot" "$web" null: 2>&1 | cut -d' ' -f1)
  compare "$desktop_shot" "$web" -compose src -highlight-color white -lowlight-color black "$dir/diff_$name.png" 2>/dev/null
  box=$(convert "$dir/diff_$name.png" -trim -format '%wx%h%X%Y' info: 2>/dev/null)
  total=$(identify -format '%[fx:w*h]' "$desktop_shot")
  printf '| %s | %s | %s | %s |\n' "$name" "$differing" "$total" "$box"
done
