#!/usr/bin/env bash
# The program as a screen reader sees it over AT-SPI: on a session bus of its own (dbus-run-session),
# which starts the accessibility bus for the program's bridge, atspi_client.py finds the program's
# application, acts on every entry of the main menu and checks the window it opens, and prints the
# trees of メニュー and ＳＩ単位. Without an accessibility bridge (NO_AT_BRIDGE=1, or no session bus)
# the program runs as before, with nothing on stderr. run.sh calls it after the scenarios.
#
# Usage: tests/e2e/atspi.sh BINARY        About 40 s.
set -uo pipefail

# The bus daemons write their own chatter to stderr: it goes, the script's own stays.
if [ -z "${METRIA_ATSPI_SESSION:-}" ]; then
  exec 3>&2
  exec env METRIA_ATSPI_SESSION=1 dbus-run-session -- "$0" "$@" 2>/dev/null
fi
exec 2>&3 3>&-

source "$(dirname "$0")/lib.sh"
take_binary_argument "$@"

# The accessibility bus lives in the runtime folder: one of this run's own.
export XDG_RUNTIME_DIR="$E2E_OUT/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

runs_quietly() {
  app_start "$@"
  check "a window titled メニュー opens" wait_window "メニュー" 10 || return 1
  check "the six entries appear" poll 10 entries_shown || return 1
  app_stop
  check "nothing on stderr $(stderr_excerpt)" eval '[ ! -s "$APP_ERR" ]'
}
without_bridge() { runs_quietly NO_AT_BRIDGE=1; }
without_session_bus() { runs_quietly -u DBUS_SESSION_BUS_ADDRESS; }

screen_reader_client() {
  app_start
  # gi.repository.Atspi is Debian's, for Debian's python.
  /usr/bin/python3 "$E2E_DIR/atspi_client.py"
  local client=$?
  check "the client's checks all passed" eval "[ $client -eq 0 ]" || return 1
  check "the program has ended (おわり)" app_wait_exit 3 || return 1
  check "with exit status 0 (got $APP_STATUS) and nothing on stderr $(stderr_excerpt)" \
    eval 'app_exited_with 0 && [ ! -s "$APP_ERR" ]'
}

start_xvfb || exit 1
echo "metria over AT-SPI: $BINARY on $DISPLAY"
scenario "NO_AT_BRIDGE=1: runs as before, nothing on stderr" without_bridge
scenario "no session bus: runs as before, nothing on stderr" without_session_bus
# Without a session bus GLib may start one of its own for the display (dbus-launch), whose
# accessibility bus outlives that run and is named on the root window (AT_SPI_BUS): the bridge, the
# program's watch of who listens and the client all take that one then.
scenario "a screen reader's client: every entry clicked, the windows it opens, the trees" screen_reader_client
finish "$(( ($(now_ms) - SUITE_START) / 1000 )) s"
