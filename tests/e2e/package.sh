#!/usr/bin/env bash
# The Debian package on this machine: installs it with apt-get (pulling what it depends on), finds every
# piece where Debian users look for it, starts `metria` from PATH under Xvfb and closes it, then purges the
# package and checks that nothing it installed is left. Needs root (or sudo without a password) and a
# machine where metria is not installed.
#
# Usage: tests/e2e/package.sh DEB        (make test-deb builds the package and runs this). About 20 s.
set -uo pipefail

source "$(dirname "$0")/lib.sh"
if [ $# -ne 1 ] || [ ! -f "$1" ]; then
  echo "usage: $0 PACKAGE.deb" >&2
  exit 2
fi
DEB=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
SUITE_START=$(now_ms)
BINARY=metria  # app_start runs it; found on PATH
if [ "$(id -u)" -eq 0 ]; then AS_ROOT=(env); else AS_ROOT=(sudo -n env); fi
APT=("${AS_ROOT[@]}" DEBIAN_FRONTEND=noninteractive apt-get -y -qq)
INSTALLED_LIST="$E2E_OUT/installed-files"

installed() { [[ $(dpkg-query -W -f='${Status}' metria 2>/dev/null) == *"ok installed" ]]; }

install_package() {
  check "metria is not installed before the test" eval '! installed' || return 1
  check "apt-get installs the package and what it depends on" \
    eval '"${APT[@]}" install "$DEB" >"$E2E_OUT/install.log" 2>&1' || return 1
  dpkg -L metria >"$INSTALLED_LIST"
  check "the command metria is /usr/bin/metria" eval '[ "$(command -v metria)" = /usr/bin/metria ]' || return 1
  local path
  for path in /usr/lib/metria/metria /usr/lib/metria/wav/o.wav /usr/share/metria/wav/kame1.wav \
    /usr/share/applications/metria.desktop /usr/share/icons/hicolor/32x32/apps/metria.png \
    /usr/share/icons/hicolor/256x256/apps/metria.png /usr/share/man/man6/metria.6.gz \
    /usr/share/man/ja/man6/metria.6.gz /usr/share/metainfo/org.example.metria.metainfo.xml \
    /usr/share/doc/metria/copyright; do
    check "installed: $path" test -r "$path" || return 1
  done
  local fonts
  fonts=$(fc-list : file)  # read whole: grep -q could cut fc-list short, a failure under pipefail
  check "the fonts it needs came with it" eval '[[ $fonts == *ipamp.ttf* && $fonts == *ipagp.ttf* ]]'
}

runs_from_path() {
  app_start
  check "metria from PATH opens the window メニュー" wait_window "メニュー" 10 || return 1
  check "its title is right in WM_NAME" \
    eval '[ "$(xprop -id "$WID" WM_NAME)" = "WM_NAME(UTF8_STRING) = \"メニュー\"" ]' || return 1
  sleep 1
  check "the close message is sent" close_window || return 1
  check "it ends" app_wait_exit 3 || return 1
  check "with status 0 and nothing on stderr (the cues are found) $(stderr_excerpt)" \
    eval 'app_exited_with 0 && [ ! -s "$APP_ERR" ]'
}

# The paths the package installed that are still there after the purge: any file or link, and any folder
# left empty that no other package owns (folders others use stay, as they should).
left_behind() {
  local path
  while read -r path; do
    [ -e "$path" ] || [ -L "$path" ] || continue
    if [ -d "$path" ] && [ ! -L "$path" ]; then
      [ -n "$(ls -A "$path")" ] && continue
      dpkg-query -S "$path" >/dev/null 2>&1 && continue
    fi
    echo "$path"
  done <"$INSTALLED_LIST"
}

purge_package() {
  check "apt-get purges it" eval '"${APT[@]}" purge metria >"$E2E_OUT/purge.log" 2>&1' || return 1
  check "dpkg no longer knows it" eval '! installed' || return 1
  local left
  left=$(left_behind)
  check "nothing it installed is left ${left:+($(echo $left))}" eval '[ -z "$left" ]' || return 1
  check "the command metria is gone" eval '! command -v metria >/dev/null'
}

start_xvfb || exit 1
echo "metria package: $DEB"
scenario "install" install_package
installed && scenario "metria from PATH" runs_from_path
installed && scenario "purge" purge_package
finish "$(( ($(now_ms) - SUITE_START) / 1000 )) s"
