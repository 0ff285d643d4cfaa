#!/usr/bin/env bash
# The program under a real window manager (openbox), on every screen: what the frame offers (move and close,
# no maximise, no resize), both titles, the stopwatch icon, the window centred, its size held against a
# resize and against full screen, and the frame's own close box ending the program cleanly.
#
# Usage: tests/e2e/window_manager.sh BINARY [SCREENSHOT.png]
# With a second argument, a picture of the main menu in its frame is saved there. About 90 s.
#
# Openbox 3.6 keeps minimise and full screen for every normal window whatever the Motif hints say (it
# reads only their move and resize bits), and still draws a maximise button it does not offer; so those
# boxes stay under openbox, while the hints take them away under window managers that honour them
# (Mutter, KWin, Xfwm). Full screen is undone by the program itself.
set -uo pipefail

source "$(dirname "$0")/lib.sh"
take_binary_argument "$1"
SCREENSHOT=${2:-}
ICON="$E2E_DIR/../../assets/icons/stopwatch.ico"
OPENBOX_PID=""

start_openbox() {
  openbox --sm-disable >"$E2E_OUT/openbox.log" 2>&1 &
  OPENBOX_PID=$!
  poll 10 eval '[[ $(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null) == *"window id"* ]]'
}

# The frame around WID from its client geometry and _NET_FRAME_EXTENTS: FRAME=(x y width height).
frame_of_window() {
  local extents geometry
  extents=$(xprop -id "$WID" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= \([0-9, ]*\)$/\1/p' | tr -d ,)
  [ -n "$extents" ] || return 1
  geometry=$(xwininfo -id "$WID" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
                                         /Width:/ {w=$NF} /Height:/ {h=$NF} END {print x, y, w, h}')
  local -a e=($extents) g=($geometry)
  FRAME=($(( g[0] - e[0] )) $(( g[1] - e[2] )) $(( g[2] + e[0] + e[1] )) $(( g[3] + e[2] + e[3] )))
  CLIENT_SIZE="${g[2]}x${g[3]}"
}

client_size() { xwininfo -id "$WID" | awk '/Width:/ {w=$NF} /Height:/ {h=$NF} END {print w "x" h}'; }

allowed_actions() { xprop -id "$WID" _NET_WM_ALLOWED_ACTIONS; }
# Outputs are read whole before matching: grep -q could cut a writer short, which pipefail counts as a failure.
offers() { [[ "$(allowed_actions)," == *"_NET_WM_ACTION_$1,"* ]]; }

# The frame's centre is the screen's (1024 x 768) within a pixel across and within the title bar's height
# down (the client area is what is centred).
centred() {
  local dx=$(( 2 * FRAME[0] + FRAME[2] - 1024 )) dy=$(( 2 * FRAME[1] + FRAME[3] - 768 ))
  [ "${dx#-}" -le 2 ] && [ "${dy#-}" -le 40 ]
}

not_full_screen() {
  [[ $(xprop -id "$WID" _NET_WM_STATE) != *_NET_WM_STATE_FULLSCREEN* ]] && [ "$(client_size)" = "$CLIENT_SIZE" ]
}

# Openbox's close box: the right-most button of the title bar, 10 pixels in from the frame's corner.
press_frame_close_box() { xdotool mousemove $(( FRAME[0] + FRAME[2] - 10 )) $(( FRAME[1] + 10 )) click 1; }

# Screen SCREEN in its frame, from start to the close box.
framed_screen() {
  local screen=$SCREEN title=${TITLES[$SCREEN]}
  check "$title opens" open_screen "$screen" || return 1
  check "openbox frames it" poll 5 frame_of_window || return 1
  check "_NET_WM_NAME is $title" eval '[ "$(window_title "$WID")" = "$title" ]' || return 1
  check "WM_NAME is $title, as UTF-8" \
    eval '[ "$(xprop -id "$WID" WM_NAME)" = "WM_NAME(UTF8_STRING) = \"$title\"" ]' || return 1
  check "Motif hints: move and close; border, title and window menu" \
    eval '[ "$(xprop -id "$WID" _MOTIF_WM_HINTS)" = "_MOTIF_WM_HINTS(_MOTIF_WM_HINTS) = 0x3, 0x24, 0x1a, 0x0, 0x0" ]' ||
    return 1
  check "the window manager offers move and close" eval 'offers MOVE && offers CLOSE' || return 1
  check "... and neither maximise nor resize" \
    eval '! offers MAXIMIZE_HORZ && ! offers MAXIMIZE_VERT && ! offers RESIZE' || return 1
  check "the icon is the stopwatch" python3 "$E2E_DIR/same_icon.py" "$WID" "$ICON" || return 1
  check "the window is centred (frame ${FRAME[*]})" centred || return 1
  xdotool windowsize "$WID" 900 700
  sleep 0.5
  check "a resize to 900 x 700 leaves it at $CLIENT_SIZE" eval '[ "$(client_size)" = "$CLIENT_SIZE" ]' || return 1
  xdotool mousemove $(( FRAME[0] + FRAME[2] - 28 )) $(( FRAME[1] + 10 )) click 1
  sleep 0.5
  check "openbox's maximise button (drawn, not offered) leaves it at $CLIENT_SIZE" \
    eval '[ "$(client_size)" = "$CLIENT_SIZE" ] && frame_of_window && centred' || return 1
  check "the full-screen request is sent" python3 "$E2E_DIR/full_screen.py" "$WID" || return 1
  sleep 0.3
  check "full screen is undone: the window is back at $CLIENT_SIZE" poll 3 not_full_screen || return 1
  check "... and centred where it was" eval 'frame_of_window && centred' || return 1
  if [ "$screen" -eq 0 ] && [ -n "$SCREENSHOT" ]; then
    poll 8 entries_shown
    import -window root -crop "${FRAME[2]}x${FRAME[3]}+${FRAME[0]}+${FRAME[1]}" +repage "$SCREENSHOT"
  fi
  press_frame_close_box
  check "the frame's close box ends the program" app_wait_exit 3 || return 1
  check "with status 0 and nothing on stderr (got $APP_STATUS) $(stderr_excerpt)" \
    eval 'app_exited_with 0 && [ ! -s "$APP_ERR" ]' || return 1
  check "and no window is left" no_window_left
}

start_xvfb || exit 1
start_openbox || { echo "FAIL  openbox did not start (see $E2E_OUT/openbox.log)"; exit 1; }
echo "metria under openbox: $BINARY on $DISPLAY"
for SCREEN in "${!TITLES[@]}"; do
  scenario "under openbox: ${TITLES[$SCREEN]}" framed_screen
done
kill "$OPENBOX_PID" 2>/dev/null
wait "$OPENBOX_PID" 2>/dev/null
finish "$(( ($(now_ms) - SUITE_START) / 1000 )) s"
