#!/usr/bin/env bash
# The close box pressed again and again at random moments of every screen's life: each press must end the
# program with status 0, nothing on stderr and no window left. Presses go round the eight screens; the
# moment is drawn at random from the window's first appearance (0 ms included) through its opening, walk
# and waiting. Several workers, each on its own Xvfb, share the presses.
#
# Usage: tests/e2e/close_box_storm.sh BINARY [PRESSES] [WORKERS]      defaults: 200 presses, 4 workers
# Prints one line per press and a summary; exits non-zero when any press failed. 200 presses take about
# 6 minutes with 4 workers.
set -uo pipefail

source "$(dirname "$0")/lib.sh"
take_binary_argument "$1"
PRESSES=${2:-200}
WORKERS=${3:-4}

# How long (ms) after the window appears a press may come: the menus' openings run longer than the walks.
MOMENT_SPAN=(6000 4000 4000 4000 3000 4000 3000 3000)

# One press on screen $2 at a random moment: prints the verdict line, returns 1 on failure.
press() {
  local number=$1 screen=$2 moment verdict
  if ! open_screen "$screen"; then
    echo "FAIL  press $number: ${TITLES[$screen]} did not open: no $STEP $(stderr_excerpt)"
    [ -n "$WID" ] && shoot && cp "$SHOT" "$E2E_OUT/press-$number.png"
    KEEP_OUT=1
    app_stop
    return 1
  fi
  moment=$(( (RANDOM * 32768 + RANDOM) % (MOMENT_SPAN[screen] + 1) ))
  sleep "$(printf '%d.%03d' $((moment / 1000)) $((moment % 1000)))"
  if ! close_window; then
    echo "FAIL  press $number: ${TITLES[$screen]} at ${moment} ms: the close message could not be sent"
    KEEP_OUT=1
    app_stop
    return 1
  fi
  if ! app_wait_exit 3; then
    verdict="still running 3 s later"
  elif [ "$APP_STATUS" != 0 ]; then
    verdict="exit status $APP_STATUS $(stderr_excerpt)"
  elif [ -s "$APP_ERR" ]; then
    verdict="$(stderr_excerpt)"
  elif ! no_window_left; then
    verdict="a window is left"
  else
    echo "ok    press $number: ${TITLES[$screen]} at ${moment} ms"
    return 0
  fi
  echo "FAIL  press $number: ${TITLES[$screen]} at ${moment} ms: $verdict"
  KEEP_OUT=1
  return 1
}

# Worker $1 of WORKERS: presses number $1, $1 + WORKERS, ... on its own Xvfb.
worker() {
  start_xvfb || return 1
  local number failed=0
  for (( number = $1; number < PRESSES; number += WORKERS )); do
    press "$number" $(( number % ${#TITLES[@]} )) || failed=$((failed + 1))
  done
  return $(( failed > 0 ))
}

if [ -n "${STORM_WORKER:-}" ]; then
  worker "$STORM_WORKER"
  status=$?
  [ "${KEEP_OUT:-0}" = 1 ] && echo "worker $STORM_WORKER: logs and screenshots in $E2E_OUT"
  exit $status
fi

echo "close box storm: $PRESSES presses on $WORKERS displays, $BINARY"
LOG="$E2E_OUT/presses.log"
for (( w = 0; w < WORKERS; w++ )); do
  STORM_WORKER=$w "$0" "$BINARY" "$PRESSES" "$WORKERS" >>"$LOG" 2>&1 &
done
wait
grep -E '^(FAIL|worker)' "$LOG"
passed=$(grep -c '^ok' "$LOG")
failed=$(( PRESSES - passed ))
if [ "$failed" -eq 0 ]; then
  pass "close box: $passed of $PRESSES presses ended with status 0, empty stderr, no window left"
else
  fail "close box: $failed of $PRESSES presses failed"
fi
finish "$(( ($(now_ms) - SUITE_START) / 1000 )) s"
