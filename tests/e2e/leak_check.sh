#!/usr/bin/env bash
# The program under valgrind's memcheck, taken through every screen and ended with "おわり": reports the
# bytes definitely lost. What SDL, X, fontconfig and ALSA keep for themselves is suppressed by
# tests/e2e/valgrind.supp. Not part of make e2e: it takes a few minutes.
#
# Usage: tests/e2e/leak_check.sh BINARY     Exit status 0 when nothing is definitely lost.
set -uo pipefail

source "$(dirname "$0")/lib.sh"
take_binary_argument "$@"
command -v valgrind >/dev/null || { echo "valgrind is not installed (apt-get install valgrind)" >&2; exit 2; }

SLOW=60   # seconds: everything is some twenty times slower under memcheck

menu_ready() { wait_window "メニュー" "$SLOW" && poll "$SLOW" entries_shown; }
choices_shown() { shoot && is_colour 136 147 255,255,0 && is_colour 402 147 255,255,0; }

# visit ENTRY TITLE SPOT_X SPOT_Y: opens a screen from the menu, lets it run a while, goes back.
visit() {
  click_entry $1
  check "entry $1 opens $2" wait_window "$2" "$SLOW" || return 1
  sleep 4
  click_at "$3" "$4"
  check "its menu spot returns to メニュー" menu_ready
}

# via_number_menu X TITLE: 数_日本, then one of its choices, then back to the menu.
via_number_menu() {
  click_entry 4
  check "接頭語（日本） opens 数_日本" wait_window "数_日本" "$SLOW" || return 1
  check "its choices appear" poll "$SLOW" choices_shown || return 1
  click_at "$1" 157
  check "the choice opens $2" wait_window "$2" "$SLOW" || return 1
  sleep 2
  click_at 586 24
  check "its menu spot returns to メニュー" menu_ready
}

tour() {
  check "the menu opens under valgrind" menu_ready || return 1
  visit 0 "ＳＩ単位" 550 29 || return 1
  visit 1 "物の数え方" 550 38 || return 1
  visit 2 "通貨の単位" 550 39 || return 1
  visit 3 "接頭語（ＳＩ）" 586 24 || return 1
  via_number_menu 174 "接頭語（日本・大）" || return 1
  via_number_menu 440 "接頭語（日本・小）" || return 1
  click_entry 5
  check "おわり ends the program" app_wait_exit "$SLOW" || return 1
  check "with exit status 0 (got $APP_STATUS)" app_exited_with 0
}

start_xvfb || exit 1
LOG="$E2E_OUT/valgrind.log"
echo "metria leak check: $BINARY on $DISPLAY (valgrind log: $LOG)"
app_start -- valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite \
  --errors-for-leak-kinds=definite --suppressions="$E2E_DIR/valgrind.supp" --gen-suppressions=all \
  --num-callers=40 --log-file="$LOG" "$BINARY"
scenario "every screen visited under memcheck, ended with おわり" tour

# The summary of the program's own process (helpers that SDL starts report in the same log).
pid=$(sed -n "s|^==\([0-9]*\)== Command: $BINARY\$|\1|p" "$LOG" | head -n1)
summary() { sed -n "s/^==$pid==.*$1: \([0-9,]*\) $2.*/\1/p" "$LOG" | tail -n1 | tr -d ,; }
definitely_lost=$(summary "definitely lost" bytes)
errors=$(summary "ERROR SUMMARY" errors)
suppressed=$(summary "suppressed" bytes)
echo "        definitely lost: ${definitely_lost:-?} bytes; suppressed (library-owned): ${suppressed:-?} bytes;" \
  "memcheck errors: ${errors:-?}"
if [ "${definitely_lost:-x}" = 0 ] && [ "${errors:-x}" = 0 ]; then
  pass "no memory definitely lost by the program, no memcheck error"
else
  fail "memory definitely lost or memcheck errors: see $LOG"
  KEEP_OUT=1
fi
finish "leak check, $(( ($(now_ms) - SUITE_START) / 1000 )) s"
