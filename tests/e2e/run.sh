#!/usr/bin/env bash
# The real program in a real window, used as a person would: a private Xvfb, the pointer moved and clicked
# with xdotool, and what the window shows read back from screenshots and window titles. Then the program
# over AT-SPI (tests/e2e/atspi.sh), heard with Orca (tests/e2e/heard_desktop.js), and under faults
# (tests/e2e/faults.sh).
#
# Usage: tests/e2e/run.sh BINARY        (make e2e runs it on build/metria)
# Prints one PASS or FAIL line per scenario; exits non-zero when any failed. About 2 minutes.
set -uo pipefail

source "$(dirname "$0")/lib.sh"
take_binary_argument "$@"

# ---------------------------------------------------------------------------------------------------------
# Where things are, in client pixels (twips / 15)

MENU_BACKGROUND=(10 200)   # bare cyan water, left of the title picture

no_entry_shown() {
  shoot || return 1
  local i
  for i in 0 1 2 3 4 5; do entry_is "$i" "$BLUE" && return 1; done
  return 0
}

# The main menu in its ready state, starting the program if it is not running.
menu_ready() {
  app_running || app_start
  wait_window "メニュー" 10 && poll 8 entries_shown
}

# From an exercise: its menu spot leads back to a freshly opening main menu.
back_to_menu() {
  click_at "$1" "$2"
  check "menu spot: the window is メニュー again" wait_window "メニュー" || return 1
  check "the main menu replays its opening up to the entries" poll 8 entries_shown
}

# ---------------------------------------------------------------------------------------------------------
# Scenarios

opening() {
  app_stop
  local started
  started=$(now_ms)
  app_start
  check "a window titled メニュー opens" wait_window "メニュー" 10 || return 1
  check "no entry shown while the turtle walks" no_entry_shown || return 1
  check "the six entries appear" poll 10 entries_shown || return 1
  local elapsed=$(( $(now_ms) - started ))
  echo "        entries seen ${elapsed} ms after start"
  check "they appear about 4.2 s after start (seen after ${elapsed} ms)" \
    eval "[ $elapsed -ge 4100 ] && [ $elapsed -le 7500 ]" || return 1
  check "no warning on stderr with fonts and cues in place" eval '[ "$(stderr_count warning)" -eq 0 ]'
}

hover() {
  menu_ready || return 1
  point_at "${MENU_BACKGROUND[@]}"
  point_at_entry 1
  check "pointer on 物の数え方: it turns red" pixel_becomes $(entry_sample 1) "$RED" 2 || return 1
  point_at_entry 2
  check "pointer on to 通貨の単位: it turns red" pixel_becomes $(entry_sample 2) "$RED" 2 || return 1
  check "... and 物の数え方 is blue again" entry_is 1 "$BLUE" || return 1
  point_at "${MENU_BACKGROUND[@]}"
  check "pointer on the water: no entry is red" poll 2 entries_shown
}

# SI単位 answer grid: 2 columns of 8; label k at Left 50 + 120 (k div 8), Top 60 + 42 (k mod 8).
si_label_sample() { echo $(( 50 + 120 * ($1 / 8) + 4 )) $(( 60 + 42 * ($1 % 8) + 4 )); }
si_red_labels() {
  local k count=0
  for k in $(seq 0 15); do is_colour $(si_label_sample "$k") "$RED" && count=$((count + 1)); done
  echo "$count"
}
region_print() { convert "$SHOT" -crop "$3x$4+$1+$2" +repage rgb:- | md5sum; }
question_on_board() { shoot && is_colour 340 346 255,0,255; }  # the prompt "これは何の単位かな"

quiz_answered_once() {
  menu_ready || return 1
  click_entry 0
  check "科学の単位 opens the window ＳＩ単位" wait_window "ＳＩ単位" || return 1
  check "after the walk a question is on the board" poll 6 question_on_board || return 1
  local remaining_before
  remaining_before=$(region_print 372 9 73 31)
  check "no answer counted yet (both count boxes empty)" \
    eval '[ "$(share_of 374 50 69 49 $YELLOW)" = 0 ] && [ "$(share_of 494 50 69 49 $YELLOW)" = 0 ]' || return 1
  click_at $(( 50 + 48 )) $(( 60 + 12 ))   # answer label 0, "長　さ"
  sleep 0.2
  shoot
  local marked right_box wrong_box
  marked=$(share_of 337 182 211 200 "$RED")
  right_box=$(share_of 374 50 69 49 "$YELLOW")
  wrong_box=$(share_of 494 50 69 49 "$YELLOW")
  check "a red mark covers the turtle (red share $marked)" at_least "$marked" 0.05 || return 1
  check "the remaining count went down" eval '[ "$(region_print 372 9 73 31)" != "$remaining_before" ]' || return 1
  check "exactly one answer label is painted red" eval '[ "$(si_red_labels)" -eq 1 ]' || return 1
  if is_colour 442 278 "$RED"; then
    echo "        the answer was wrong: × shown"
    check "× goes with the wrong-answer box filled and the right one empty" \
      eval 'at_least "$wrong_box" 0.02 && [ "$right_box" = 0 ]' || return 1
    check "the clicked label is blue, the right answer elsewhere red" clicked_label_blue || return 1
  else
    echo "        the answer was right: ○ shown"
    check "○ goes with the right-answer box filled and the wrong one empty" \
      eval 'at_least "$right_box" 0.02 && [ "$wrong_box" = 0 ]' || return 1
    check "the clicked label is the red one" is_colour $(si_label_sample 0) "$RED" || return 1
  fi
  check "1.5 s later the mark goes and no label stays red" poll 3 mark_gone || return 1
  back_to_menu 550 29
}
clicked_label_blue() { is_colour $(si_label_sample 0) "$BLUE"; }
mark_gone() {
  shoot || return 1
  below "$(share_of 337 182 211 200 "$RED")" 0.01 && [ "$(si_red_labels)" -eq 0 ]
}

opens_and_returns() {
  menu_ready || return 1
  click_entry "$1"
  check "entry $1 opens the window $2" wait_window "$2" || return 1
  back_to_menu "$3" "$4"
}
counter_words() { opens_and_returns 1 "物の数え方" 550 38; }
currencies() { opens_and_returns 2 "通貨の単位" 550 39; }

# 数_SI: shelf slot 0 at Left 375, Top 50; place p at Left 65 (p < 10) or 244, Top 104 + 26 (p mod 10);
# cards and places are 121 x 25. Boxes below are their insides, clear of the outlines.
SLOT0=(378 53 115 19)
place_box() { echo $(( $1 < 10 ? 68 : 247 )) $(( 107 + 26 * ($1 % 10) )) 115 19; }
place_centre() { echo $(( $1 < 10 ? 125 : 304 )) $(( 116 + 26 * ($1 % 10) )); }
score_ink() { ink_width 469 11 45 22 "$WHITE"; }   # the white digits of the score, 0 when empty

card_in_slot0() { shoot && at_least "$(share_of "${SLOT0[@]}" "$WHITE")" 0.03; }

# Where the dragged card is after the drop on place $1, from one screenshot: DROP_OUTCOME "snapped" (red with
# its white text on the place, the slot empty) or "home" (back in its slot in the normal colour, the place
# dark); fails while it is neither.
drop_settled() {
  shoot || return 1
  local -a share
  share=($(shares "${SLOT0[*]} $WHITE" "${SLOT0[*]} $RED" "$(place_box "$1") $RED" "$(place_box "$1") $WHITE"))
  local slot_text=${share[0]} slot_red=${share[1]} place_red=${share[2]} place_text=${share[3]}
  if at_least "$place_red" 0.4 && at_least "$place_text" 0.03 && below "$slot_text" 0.01; then
    DROP_OUTCOME=snapped
  elif at_least "$slot_text" 0.03 && below "$slot_red" 0.05 && below "$place_red" 0.05; then
    DROP_OUTCOME=home
  else
    return 1
  fi
}

# Drags the card of shelf slot 0 onto place $1; DROP_OUTCOME tells where it ended: "snapped", "home",
# "lost", or "unlit" when the place did not light up under the card.
drop_slot0_card_on() {
  local place=$1 lit
  press_and_drag 435 62 $(place_centre "$place")
  shoot
  lit=$(share_of $(place_box "$place") "$RED")
  release
  if ! at_least "$lit" 0.9; then
    DROP_OUTCOME=unlit
  elif ! poll 2 drop_settled "$place"; then
    DROP_OUTCOME=lost
  fi
}

drill_drag() {
  menu_ready || return 1
  click_entry 3
  check "接頭語（ＳＩ） opens the window 接頭語（ＳＩ）" wait_window "接頭語（ＳＩ）" || return 1
  check "the cards stand on the shelf, the score box is empty" \
    poll 3 eval 'card_in_slot0 && [ "$(score_ink)" -eq 0 ]' || return 1
  local width
  drop_slot0_card_on 0
  width=$(score_ink)
  echo "        first drop on place 0: $DROP_OUTCOME, score digits $width px wide"
  case $DROP_OUTCOME in
    snapped) check "red card on its place goes with the score 100 (three digits)" eval "[ $width -ge 24 ]" || return 1 ;;
    home) check "card back home goes with the score 0 (one digit)" eval "[ $width -ge 4 ] && [ $width -le 16 ]" || return 1 ;;
    *) check "the place lit up under the card and the card ended on it or at home" false; return 1 ;;
  esac
  # Go on as a person would: the same card on the next places until it finds its own.
  local place=1
  while [ "$DROP_OUTCOME" = home ] && [ $place -lt 20 ]; do
    drop_slot0_card_on $place
    place=$((place + 1))
  done
  check "the card of slot 0 snaps red onto its own place (place $((place - 1)))" \
    eval '[ "$DROP_OUTCOME" = snapped ]' || return 1
  back_to_menu 586 24
}

# 数_日本: choices Label3(0) at 134,145 and Label3(1) at 400,145 (81 x 25); menu spot at 540,28.
choices_shown() { shoot && is_colour 136 147 "$YELLOW" && is_colour 402 147 "$YELLOW"; }
number_names_choice() {
  menu_ready || return 1
  click_entry 4
  check "接頭語（日本） opens the window 数_日本" wait_window "数_日本" || return 1
  check "after the walk both choices are shown" poll 6 choices_shown || return 1
  click_at "$1" 157
  check "the choice opens $2" wait_window "$2" || return 1
  back_to_menu 586 24
}
larger_names() { number_names_choice 174 "接頭語（日本・大）"; }
smaller_names() { number_names_choice 440 "接頭語（日本・小）"; }
number_names_menu_spot() {
  menu_ready || return 1
  click_entry 4
  check "接頭語（日本） opens the window 数_日本" wait_window "数_日本" || return 1
  back_to_menu 540 28
}

the_end() {
  menu_ready || return 1
  click_entry 5
  check "おわり ends the program" app_wait_exit 3 || return 1
  check "with exit status 0 (got $APP_STATUS) $(stderr_excerpt)" app_exited_with 0 || return 1
  check "and no window is left" no_window_left
}

close_box_on_menu() {
  app_stop
  app_start
  check "a window titled メニュー opens" wait_window "メニュー" 10 || return 1
  check "the close message is sent" close_window || return 1
  check "closing the menu during its opening ends the program" app_wait_exit 3 || return 1
  check "with exit status 0 (got $APP_STATUS) $(stderr_excerpt)" app_exited_with 0 || return 1
  check "and no window is left" no_window_left
}

close_box_on_quiz() {
  menu_ready || return 1
  click_entry 0
  check "科学の単位 opens the window ＳＩ単位" wait_window "ＳＩ単位" || return 1
  sleep 1   # in the middle of the walk
  check "the close message is sent" close_window || return 1
  check "closing ＳＩ単位 ends the program (it does not go back to the menu)" app_wait_exit 3 || return 1
  check "with exit status 0 (got $APP_STATUS) $(stderr_excerpt)" app_exited_with 0 || return 1
  check "and no window is left" no_window_left
}

terminated() {
  menu_ready || return 1
  kill -TERM "$APP_PID"
  check "SIGTERM ends the program" app_wait_exit 3 || return 1
  check "with exit status 0 (got $APP_STATUS) $(stderr_excerpt)" app_exited_with 0
}

# ---------------------------------------------------------------------------------------------------------
# The keys alone: xdotool types as a keyboard does, into the window that has the focus (the program
# gives it to each window it opens); the pointer stays still. Sending to one window by its id would
# lose the release of a key whose press closed that window, and the key would repeat.

press_key() { xdotool key "$@"; sleep 0.15; }

# The focus ring: a white band outside a black one, each 2 pixels, around a box at X Y W H.
ring_around() {
  shoot || return 1
  local mid=$(( $2 + $4 / 2 ))
  is_colour $(( $1 - 4 )) "$mid" "$WHITE" && is_colour $(( $1 - 1 )) "$mid" 0,0,0
}
ring_around_entry() { ring_around "${ENTRY_LEFT[$1]}" "${ENTRY_TOP[$1]}" "${ENTRY_WIDTH[$1]}" 39; }
# A card held by key: its ring is yellow outside black.
held_ring_on_slot0() { shoot && is_colour 371 62 "$YELLOW" && is_colour 374 62 0,0,0; }

keyboard_menu_and_quiz() {
  app_stop
  app_start
  check "a window titled メニュー opens" wait_window "メニュー" 10 || return 1
  check "the six entries appear" poll 10 entries_shown || return 1
  check "before any key, no focus ring shows" eval '! ring_around_entry 0' || return 1
  press_key Tab
  check "Tab shows the focus ring around 科学の単位" poll 2 ring_around_entry 0 || return 1
  press_key Right
  check "→ moves it to 物の数え方, red as under the pointer" poll 2 ring_around_entry 1 || return 1
  check "... and 物の数え方 turns red" entry_is 1 "$RED" || return 1
  press_key Left
  press_key Return
  check "Enter opens ＳＩ単位" wait_window "ＳＩ単位" || return 1
  check "after the walk a question is on the board" poll 6 question_on_board || return 1
  press_key space
  shoot
  check "Space answers with the focused 長　さ: one label turns red" eval '[ "$(si_red_labels)" -eq 1 ]' || return 1
  check "1.5 s later the mark goes" poll 3 mark_gone || return 1
  press_key shift+Tab
  press_key Return
  check "Shift+Tab reaches ■メニュー, and Enter goes back to メニュー" wait_window "メニュー" || return 1
  check "after the opening the focus is on 科学の単位, red as under the pointer" \
    poll 8 eval 'ring_around_entry 0 && entry_is 0 "$RED"'
}

keyboard_drill() {
  app_stop
  app_start
  check "a window titled メニュー opens" wait_window "メニュー" 10 || return 1
  check "the six entries appear" poll 10 entries_shown || return 1
  press_key Tab
  press_key Down
  press_key Return
  check "↓ then Enter opens 接頭語（ＳＩ）" wait_window "接頭語（ＳＩ）" || return 1
  check "the cards stand on the shelf" poll 3 card_in_slot0 || return 1
  press_key Return
  check "Enter picks up the card of the first slot: it shows held" poll 2 held_ring_on_slot0 || return 1
  check "... and the first place lights up for it"     eval 'at_least "$(share_of $(place_box 0) "$RED")" 0.9' || return 1
  press_key Escape
  check "Escape puts it back: no held mark, the place dark, no try counted"     poll 2 eval '! held_ring_on_slot0 && below "$(share_of $(place_box 0) "$RED")" 0.05 && [ "$(score_ink)" -eq 0 ]' || return 1
  press_key Return Return
  check "Enter, Enter puts it on the first place: the score shows" poll 2 eval 'shoot && [ "$(score_ink)" -gt 0 ]' || return 1
  press_key shift+Tab
  press_key Return
  check "Shift+Tab reaches ■メニュー, and Enter goes back to メニュー" wait_window "メニュー" || return 1
}

# ---------------------------------------------------------------------------------------------------------

start_xvfb || exit 1
echo "metria end-to-end: $BINARY on $DISPLAY"
scenario "opening: the entries appear after the walk" opening
scenario "hover: the entry under the pointer turns red" hover
scenario "科学の単位: one question answered, then the menu spot" quiz_answered_once
scenario "物の数え方: opens and its menu spot returns" counter_words
scenario "通貨の単位: opens and its menu spot returns" currencies
scenario "接頭語（ＳＩ）: a card dragged onto a place, then the menu spot" drill_drag
scenario "接頭語（日本）: the menu spot returns" number_names_menu_spot
scenario "接頭語（日本） → １より大 opens 接頭語（日本・大）" larger_names
scenario "接頭語（日本） → １より小 opens 接頭語（日本・小）" smaller_names
scenario "おわり: the program ends with status 0" the_end
scenario "keys: the focus ring, arrows, a quiz answered with Space, ■メニュー by Shift+Tab" keyboard_menu_and_quiz
scenario "keys: a card picked up, put back with Escape, then put on a place" keyboard_drill
scenario "close box of メニュー ends the program" close_box_on_menu
scenario "close box of ＳＩ単位 ends the program" close_box_on_quiz
scenario "SIGTERM ends the program with status 0" terminated
app_stop

echo "----  over AT-SPI"
if "$E2E_DIR/atspi.sh" "$BINARY"; then
  pass "atspi.sh"
else
  fail "atspi.sh"
fi

echo "----  heard with Orca"
if node "$E2E_DIR/heard_desktop.js" "$BINARY" "$E2E_OUT/orca-desktop.txt"; then
  pass "heard_desktop.js"
else
  fail "heard_desktop.js"
fi

echo "----  faults"
if "$E2E_DIR/faults.sh" "$BINARY"; then
  pass "faults.sh"
else
  fail "faults.sh"
fi
finish "$(( ($(now_ms) - SUITE_START) / 1000 )) s"
