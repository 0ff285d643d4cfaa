# shellcheck shell=bash
# Shared helpers of the end-to-end scripts: a private X server, the program under test, windows found by
# title, the pointer, screenshots and pixel checks, and PASS/FAIL reporting. Sourced, not run.
#
# Every wait is a poll with a deadline, so a hung program fails a check instead of hanging the suite.

E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# Work folder for logs and screenshots; kept when something failed.
E2E_OUT=$(mktemp -d /tmp/metria-e2e.XXXXXX)
FAILURES=0
XVFB_PID=""
APP_PID=""
APP_ERR=""
APP_STATUS=""
WID=""
SHOT=""
SHOT_COUNT=0
APP_COUNT=0

# The one argument of every script: the program under test, with its wav/ folder beside it.
take_binary_argument() {
  if [ $# -ne 1 ] || [ ! -x "$1" ]; then
    echo "usage: $0 BINARY (an executable metria with its wav/ folder beside it)" >&2
    exit 2
  fi
  BINARY=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
  SUITE_START=$(now_ms)
}

# ---------------------------------------------------------------------------------------------------------
# The main menu's entries 0 to 5, in client pixels (twips / 15): Left, Top, Width; all 39 pixels high.

ENTRY_LEFT=(32 221 412 32 243 485)
ENTRY_TOP=(282 282 282 338 338 338)
ENTRY_WIDTH=(184 184 184 204 234 112)
BLUE=0,0,255
RED=255,0,0
YELLOW=255,255,0
WHITE=255,255,255

entry_sample() { echo $(( ENTRY_LEFT[$1] + 4 )) $(( ENTRY_TOP[$1] + 4 )); }
entry_centre() { echo $(( ENTRY_LEFT[$1] + ENTRY_WIDTH[$1] / 2 )) $(( ENTRY_TOP[$1] + 19 )); }
click_entry() { click_at $(entry_centre "$1"); }
point_at_entry() { point_at $(entry_centre "$1"); }
entry_is() { is_colour $(entry_sample "$1") "$2"; }

entries_shown() {
  shoot || return 1
  local i
  for i in 0 1 2 3 4 5; do entry_is "$i" "$BLUE" || return 1; done
}

# ---------------------------------------------------------------------------------------------------------
# Reporting

now_ms() { date +%s%3N; }

pass() { echo "PASS  $*"; }

fail() {
  echo "FAIL  $*"
  FAILURES=$((FAILURES + 1))
}

# check DESCRIPTION COMMAND...: one step of a scenario. On failure keeps a screenshot of the window (if any)
# and returns 1 so that the scenario can stop at its first broken step.
check() {
  local description=$1
  shift
  if "$@"; then
    echo "  ok    $description"
    return 0
  fi
  echo "  FAIL  $description"
  if [ -n "$WID" ] && xwininfo -id "$WID" >/dev/null 2>&1; then
    timeout 5 import -window "$WID" "$E2E_OUT/failed-$(now_ms).png" 2>/dev/null
  fi
  echo "        windows: $(for id in $(xdotool search --class metria 2>/dev/null); do printf '%s "%s" ' "$id" "$(window_title "$id")"; done)"
  return 1
}

# scenario NAME FUNCTION: runs one scenario and prints its verdict with its run time.
scenario() {
  local name=$1 started
  started=$(now_ms)
  echo "----  $name"
  if "$2"; then
    pass "$name ($(( $(now_ms) - started )) ms)"
  else
    fail "$name ($(( $(now_ms) - started )) ms)"
    # A scenario that broke off leaves the program in an unknown state: the next one starts afresh.
    app_stop
  fi
}

# finish: the closing summary and the exit status of a script.
finish() {
  if [ "$FAILURES" -eq 0 ]; then
    echo "ALL PASSED ($1)"
    return 0
  fi
  echo "$FAILURES FAILED ($1); logs and screenshots in $E2E_OUT"
  KEEP_OUT=1
  return 1
}

# ---------------------------------------------------------------------------------------------------------
# Polling

# poll SECONDS COMMAND...: runs COMMAND every 50 ms until it succeeds; 1 when the time is up.
poll() {
  local deadline=$(( $(now_ms) + ${1%.*} * 1000 ))
  shift
  while true; do
    "$@" && return 0
    [ "$(now_ms)" -ge "$deadline" ] && return 1
    sleep 0.05
  done
}

# ---------------------------------------------------------------------------------------------------------
# The X server

# Starts Xvfb on a display number it chooses itself (-displayfd), so parallel runs never collide.
# -noreset: by default the server resets when its last client leaves, and a program started in that
# moment finds no display; between two runs of the program there often is no other client.
start_xvfb() {
  local number_file="$E2E_OUT/display-number"
  : > "$number_file"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$number_file" >"$E2E_OUT/xvfb.log" 2>&1 &
  XVFB_PID=$!
  if ! poll 10 test -s "$number_file"; then
    echo "FAIL  Xvfb did not start (see $E2E_OUT/xvfb.log)"
    return 1
  fi
  export DISPLAY=":$(head -n1 "$number_file")"
  if ! poll 10 xdpyinfo >/dev/null 2>&1; then
    echo "FAIL  Xvfb on $DISPLAY does not answer"
    return 1
  fi
}

# ---------------------------------------------------------------------------------------------------------
# The program under test

# app_start [-u NAME...] [NAME=VALUE...] [-- COMMAND...]: starts the program (BINARY unless a command is
# given) in the background with silent sound and the environment changed as env(1) would. APP_ERR is its
# stderr.
app_start() {
  local -a command=("$BINARY") unset_names=() settings=()
  while [ $# -gt 0 ]; do
    case $1 in
      --) shift; command=("$@"); break ;;
      -u) unset_names+=(-u "$2"); shift ;;
      *) settings+=("$1") ;;
    esac
    shift
  done
  APP_COUNT=$((APP_COUNT + 1))
  APP_ERR="$E2E_OUT/app-$APP_COUNT.err"
  APP_STATUS=""
  WID=""
  env "${unset_names[@]}" SDL_AUDIODRIVER=dummy "${settings[@]}" "${command[@]}" \
    >"$E2E_OUT/app-$APP_COUNT.out" 2>"$APP_ERR" &
  APP_PID=$!
}

app_running() { [ -n "$APP_PID" ] && kill -0 "$APP_PID" 2>/dev/null; }

# app_wait_exit SECONDS: waits for the program to end; APP_STATUS is its exit status. On time-out the
# program is killed and 1 returned.
app_wait_exit() {
  [ -n "$APP_PID" ] || return 1
  if ! poll "$1" eval '! app_running'; then
    app_stop
    return 1
  fi
  wait "$APP_PID"
  APP_STATUS=$?
  APP_PID=""
  return 0
}

app_exited_with() { [ "$APP_STATUS" = "$1" ]; }

# Ends the program if it still runs: SIGTERM first, SIGKILL after 3 s.
app_stop() {
  [ -n "$APP_PID" ] || return 0
  if app_running; then
    kill -TERM "$APP_PID" 2>/dev/null
    poll 3 eval '! app_running' || kill -KILL "$APP_PID" 2>/dev/null
  fi
  wait "$APP_PID" 2>/dev/null
  APP_PID=""
  WID=""
}

# The program's stderr on one line, for a report ("" when it was silent).
stderr_excerpt() { [ -s "$APP_ERR" ] && echo "stderr: $(head -c 200 "$APP_ERR" | tr '\n' '|')"; }

# How many stderr lines of the program match a pattern.
stderr_count() { grep -c -E "$1" "$APP_ERR"; }

# ---------------------------------------------------------------------------------------------------------
# Windows

window_title() { xprop -id "$1" _NET_WM_NAME 2>/dev/null | sed -n 's/^_NET_WM_NAME([A-Z0-9_]*) = "\(.*\)"$/\1/p'; }

# The program's one window, when it is titled $1 and viewable: sets WID.
only_window_titled() {
  local ids
  ids=$(xdotool search --class metria 2>/dev/null) || return 1
  [ "$(printf '%s\n' "$ids" | wc -l)" -eq 1 ] || return 1
  [ "$(window_title "$ids")" = "$1" ] || return 1
  xwininfo -id "$ids" 2>/dev/null | grep -q 'Map State: IsViewable' || return 1
  WID=$ids
}

# wait_window TITLE [SECONDS]: until the program shows exactly one window and it carries TITLE.
# A person takes a moment before clicking into a window that has just appeared; so do we.
wait_window() { poll "${2:-5}" only_window_titled "$1" && sleep 0.3; }

no_window_left() { ! xdotool search --class metria >/dev/null 2>&1; }

# Presses the close box, as a window manager would (bare Xvfb has none).
close_window() { python3 "$E2E_DIR/close_window.py" "$WID"; }

# ---------------------------------------------------------------------------------------------------------
# The eight screens

# Window titles of the eight screens; open_screen takes their index.
TITLES=("メニュー" "ＳＩ単位" "物の数え方" "通貨の単位" "接頭語（ＳＩ）" "数_日本" "接頭語（日本・大）" "接頭語（日本・小）")

# Opens screen $1 from a fresh program; ends with WID on its window, as soon as it is there. On failure
# STEP says which step broke.
open_screen() {
  app_start
  STEP="the menu's window"
  poll 10 only_window_titled "メニュー" || return 1
  [ "$1" -eq 0 ] && return 0
  sleep 0.3
  STEP="the menu's entries"
  poll 10 entries_shown || return 1
  case $1 in
    1 | 2 | 3 | 4) click_entry $(( $1 - 1 )) ;;
    5 | 6 | 7)
      click_entry 4
      STEP="the window 数_日本"
      poll 5 only_window_titled "数_日本" || return 1
      [ "$1" -eq 5 ] && return 0
      sleep 0.3
      STEP="the choices of 数_日本"
      poll 8 eval 'shoot && is_colour 136 147 "$YELLOW" && is_colour 402 147 "$YELLOW"' || return 1
      if [ "$1" -eq 6 ]; then click_at 174 157; else click_at 440 157; fi ;;
  esac
  STEP="the window ${TITLES[$1]}"
  poll 5 only_window_titled "${TITLES[$1]}"
}

# ---------------------------------------------------------------------------------------------------------
# Pointer, in client pixels of the current window

point_at() { xdotool mousemove --window "$WID" "$1" "$2"; }

click_at() { xdotool mousemove --window "$WID" "$1" "$2" click 1; }

# press_and_drag X1 Y1 X2 Y2: button down, the pointer moved in ten steps as a hand would, kept pressed.
press_and_drag() {
  local x1=$1 y1=$2 x2=$3 y2=$4 step
  xdotool mousemove --window "$WID" "$x1" "$y1" mousedown 1
  for step in 1 2 3 4 5 6 7 8 9 10; do
    sleep 0.03
    xdotool mousemove --window "$WID" $(( x1 + (x2 - x1) * step / 10 )) $(( y1 + (y2 - y1) * step / 10 ))
  done
  sleep 0.1
}

release() { xdotool mouseup 1; }

# ---------------------------------------------------------------------------------------------------------
# Screenshots and pixels

# Takes a picture of the current window: SHOT.
shoot() {
  SHOT_COUNT=$((SHOT_COUNT + 1))
  SHOT="$E2E_OUT/shot-$SHOT_COUNT.png"
  # import asks for a window to be picked by hand when the id is gone: make sure it is there, and bound it.
  xwininfo -id "$WID" >/dev/null 2>&1 && timeout 5 import -window "$WID" "$SHOT" 2>/dev/null
}

# rgb_at X Y: "r,g,b" of one pixel of SHOT.
rgb_at() {
  convert "$SHOT" -format "%[fx:int(255*p{$1,$2}.r+.5)],%[fx:int(255*p{$1,$2}.g+.5)],%[fx:int(255*p{$1,$2}.b+.5)]" info:
}

# is_colour X Y R,G,B: the pixel of SHOT is that colour, within 8 per channel.
is_colour() {
  local actual
  actual=$(rgb_at "$1" "$2")
  local IFS=,
  local -a got=($actual) want=($3)
  local i
  for i in 0 1 2; do
    local difference=$(( got[i] - want[i] ))
    [ "${difference#-}" -le 8 ] || return 1
  done
}

# pixel_becomes X Y R,G,B [SECONDS]: polls fresh screenshots until the pixel has the colour.
pixel_becomes() { poll "${4:-5}" shot_pixel_is "$1" "$2" "$3"; }
shot_pixel_is() { shoot && is_colour "$@"; }

# share_of X Y W H R,G,B: the share (0 to 1) of the box's pixels that have the colour (within 10 %).
share_of() { shares "$*"; }

# shares "X Y W H R,G,B"...: the same for several boxes at once (one convert run), separated by spaces.
shares() {
  local -a masks=()
  local box
  for box in "$@"; do
    set -- $box
    masks+=( "(" -clone 0 -crop "$3x$4+$1+$2" +repage -fuzz 10% -fill black +opaque "rgb($5)"
             -fill white -opaque "rgb($5)" ")" )
  done
  local means
  means=$(convert "$SHOT" "${masks[@]}" -delete 0 -format '%[fx:mean] ' info:)
  echo "${means% }"
}

# at_least VALUE MINIMUM / below VALUE MAXIMUM, for the decimal shares above.
at_least() { awk -v v="$1" -v m="$2" 'BEGIN { exit !(v >= m) }'; }
below() { awk -v v="$1" -v m="$2" 'BEGIN { exit !(v < m) }'; }

# ink_width X Y W H R,G,B: width in pixels of what is drawn in that colour inside the box (0 if nothing).
ink_width() {
  if [ "$(share_of "$@")" = 0 ]; then
    echo 0
    return
  fi
  convert "$SHOT" -crop "$3x$4+$1+$2" +repage -fuzz 20% -fill black +opaque "rgb($5)" \
    -fill white -opaque "rgb($5)" -trim -format '%w' info:
}

# ---------------------------------------------------------------------------------------------------------
# Clean-up on every way out

cleanup() {
  app_stop
  if [ -n "$XVFB_PID" ]; then
    kill "$XVFB_PID" 2>/dev/null
    wait "$XVFB_PID" 2>/dev/null
  fi
  if [ "${KEEP_OUT:-0}" = 1 ]; then return; fi
  rm -rf "$E2E_OUT"
}

trap cleanup EXIT
trap 'exit 130' INT TERM
