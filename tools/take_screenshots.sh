#!/usr/bin/env bash
# Takes the screenshots in docs/screenshots/ from the real program under Xvfb, driven with xdotool;
# the results and grades, which take minutes or a known shuffle to reach by hand, are rendered by
# the program's own drawing code from the headless harness (build/tests/metria_snapshots).
#   tools/take_screenshots.sh [BINARY] [OUT_DIR]
set -euo pipefail
binary=$(realpath "${1:-build/metria}")
out=$(realpath -m "${2:-docs/screenshots}")
mkdir -p "$out"
display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
program=
trap 'kill $program $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

SDL_AUDIODRIVER=dummy "$binary" 2>/dev/null &
program=$!
started=$(date +%s%N)

window() { xdotool search --sync --class metria | tail -1; }
# Waits until `ms` milliseconds after the program started.
at() { local now=$(( ($(date +%s%N) - started) / 1000000 )); (( $1 > now )) && sleep "$(bc <<< "scale=3; ($1 - $now) / 1000")"; return 0; }
shot() { import -window "$(window)" "$out/$1.png"; echo "$1.png"; }
# Pointer to a point given in twips of the window's client area.
to() {
  local w; w=$(window)
  eval "$(xdotool getwindowgeometry --shell "$w")"
  xdotool mousemove $((X + $1 / 15)) $((Y + $2 / 15))
}
click() { to "$1" "$2"; sleep 0.05; xdotool click 1; }
title_is() { for _ in $(seq 50); do xprop -id "$(window)" _NET_WM_NAME | grep -q "\"$1\"" && return 0; sleep 0.1; done; return 1; }
restart_clock() { started=$(date +%s%N); }

# The opening's times count from the menu's load, about 150 ms after the program starts.
at 1150; shot menu_1_0s
at 3950; shot menu_3_8s
at 4650; shot menu_4_5s
# The pointer crosses the background first: on a first visit entry 0 is not highlighted otherwise.
to 4695 3900; sleep 0.05; to 4695 4520; sleep 0.1; shot menu_hover
click 4000 3000; sleep 0.2; shot menu_credit

quiz() {  # entry x y, name, answer x y
  click "$1" "$2"; title_is "$3"; restart_clock
  at 3300; shot "${4}_question"
  click "$5" "$6"; sleep 0.2; shot "${4}_feedback"
}
quiz 1860 4520 ＳＩ単位 quiz_si 1477 1087
click 8250 435; title_is メニュー; sleep 4.5
quiz 4695 4520 物の数え方 quiz_counters 1177 682
click 8250 570; title_is メニュー; sleep 4.5
quiz 7560 4520 通貨の単位 quiz_currencies 1177 637
click 8250 585; title_is メニュー; sleep 4.5

click 2010 5360; title_is 接頭語（ＳＩ）; sleep 0.3; shot drill_si_play
# The card in the top shelf slot, dragged onto the first place.
to 6532 937; xdotool mousedown 1; sleep 0.05
for y in 900 1100 1300 1500 1700; do to 4000 "$y"; sleep 0.03; done
to 1882 1747; sleep 0.1; shot drill_si_dragging; xdotool mouseup 1; sleep 0.2; shot drill_si_dropped
click 8790 360; title_is メニュー; sleep 4.5

click 5400 5360; title_is 数_日本; restart_clock; at 1500; shot number_menu_walk
at 3500; shot number_menu
to 2617 2362; sleep 0.1; shot number_menu_hover
click 2617 2362; title_is 接頭語（日本・大）; sleep 0.3; shot drill_jpb_play
click 8790 345; title_is メニュー; sleep 4.5
click 5400 5360; title_is 数_日本; sleep 3.5
click 6607 2362; title_is 接頭語（日本・小）; sleep 0.3; shot drill_jps_play
click 8790 345; title_is メニュー; sleep 4.5
click 8115 5360; wait $program
echo "exit status $?"
SDL_VIDEODRIVER=dummy "$(dirname "$binary")/tests/metria_snapshots" "$out"
