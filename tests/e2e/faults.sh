#!/usr/bin/env bash
# The program under faults of its surroundings: no sound device, no sound files, damaged sound files, no
# display, no Japanese font. Each time it must either go on (with a warning on stderr) or stop with a clear
# message, never crash or hang. Runs on its own Xvfb; run.sh calls it after the scenarios.
#
# Usage: tests/e2e/faults.sh BINARY        About 40 s.
set -uo pipefail

source "$(dirname "$0")/lib.sh"
take_binary_argument "$@"

# Main menu: the hot spot on the turtle of the title picture.
CREDIT_SPOT=(308 211)
CREDIT_PICTURE=(206 68 206 207)   # Left, Top, Width, Height of the credit picture

# The whole opening has run, so every step sound has been asked for: nine plays of kame1 and kame2.
reaches_ready_menu() {
  check "a window titled メニュー opens" wait_window "メニュー" 10 || return 1
  check "the walk runs through (every step sound asked for) up to the six entries" poll 10 entries_shown
}

picture_print() { convert "$SHOT" -crop "${CREDIT_PICTURE[2]}x${CREDIT_PICTURE[3]}+${CREDIT_PICTURE[0]}+${CREDIT_PICTURE[1]}" +repage rgb:- | md5sum; }

# The hot spot plays the credit sound (zunomi.wav) and shows the credit picture over the title.
credit_sound_played() {
  shoot || return 1
  local before  # read by the eval below
  # shellcheck disable=SC2034
  before=$(picture_print)
  click_at "${CREDIT_SPOT[@]}"
  check "a click on the hot spot shows the credit picture (and asks for the credit sound)" \
    poll 2 eval 'shoot && [ "$(picture_print)" != "$before" ]'
}

still_running_then_terminated() {
  check "the program is still running" app_running || return 1
  kill -TERM "$APP_PID"
  check "SIGTERM ends it" app_wait_exit 3 || return 1
  check "with exit status 0 (got $APP_STATUS)" app_exited_with 0
}

warnings_are() {
  local expected=$1 pattern=$2 count
  count=$(stderr_count "$pattern")
  check "stderr: $expected line(s) matching '$pattern' (got $count)" eval "[ $count -eq $expected ]"
}

# No library speaks on stderr in the program's place (ALSA's own "ALSA lib ..." lines among them).
only_own_lines() {
  local others
  others=$(grep -vc '^metria: ' "$APP_ERR")
  check "stderr: no line but the program's own (got $others others)" eval "[ $others -eq 0 ]"
}

# A copy of the program in a folder of its own, with wav/ as the caller prepares it: PROGRAM_COPY.
program_copy() {
  PROGRAM_COPY="$E2E_OUT/$1/metria"
  mkdir -p "$E2E_OUT/$1"
  cp "$BINARY" "$PROGRAM_COPY"
}

# A fontconfig set-up that sees only the fonts given: FONT_CONFIG.
font_config() {
  local folder="$E2E_OUT/$1"
  shift
  mkdir -p "$folder/fonts" "$folder/cache"
  [ $# -gt 0 ] && cp "$@" "$folder/fonts/"
  FONT_CONFIG="$folder/fonts.conf"
  cat >"$FONT_CONFIG" <<EOF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <dir>$folder/fonts</dir>
  <cachedir>$folder/cache</cachedir>
</fontconfig>
EOF
}

# ---------------------------------------------------------------------------------------------------------

no_sound_driver() {
  app_start SDL_AUDIODRIVER=nonexistent
  reaches_ready_menu || return 1
  warnings_are 1 '^metria: warning' || return 1
  warnings_are 1 '^metria: warning: no sound output' || return 1
  only_own_lines || return 1
  still_running_then_terminated
}

alsa_without_card() {
  if [ -e /proc/asound/cards ] && ! grep -q 'no soundcards' /proc/asound/cards; then
    echo "        this machine has a sound card: nothing to test"
    return 0
  fi
  app_start SDL_AUDIODRIVER=alsa
  reaches_ready_menu || return 1
  warnings_are 1 '^metria: warning' || return 1
  warnings_are 1 '^metria: warning: no sound output' || return 1
  only_own_lines || return 1
  still_running_then_terminated
}

no_wav_folder() {
  program_copy no-wav
  app_start -- "$PROGRAM_COPY"
  reaches_ready_menu || return 1
  credit_sound_played || return 1
  local cue
  for cue in kame1 kame2 zunomi; do warnings_are 1 "^metria: warning: .*/wav/$cue\.wav" || return 1; done
  still_running_then_terminated
}

damaged_cues() {
  program_copy damaged-cues
  local wav
  wav=$(dirname "$BINARY")/wav
  mkdir -p "$E2E_OUT/damaged-cues/wav"
  cp "$wav"/*.wav "$E2E_OUT/damaged-cues/wav/"
  local copy="$E2E_OUT/damaged-cues/wav"
  head -c 30 "$wav/kame1.wav" >"$copy/kame1.wav"                                   # cut inside its header
  head -c 4000 /dev/urandom >"$copy/kame2.wav"                                     # garbage
  head -c $(( $(stat -c %s "$wav/zunomi.wav") / 2 )) "$wav/zunomi.wav" >"$copy/zunomi.wav"  # cut in its samples
  app_start -- "$PROGRAM_COPY"
  reaches_ready_menu || return 1
  credit_sound_played || return 1
  warnings_are 1 '^metria: warning: .*/wav/kame1\.wav' || return 1
  warnings_are 1 '^metria: warning: .*/wav/kame2\.wav' || return 1
  still_running_then_terminated
}

no_display() {
  app_start -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER
  if ! app_wait_exit 10; then
    check "without a display the program stops by itself (it was still running after 10 s)" false
    echo "        its stderr: $(tr '\n' '|' <"$APP_ERR")"
    return 1
  fi
  check "it stops with a non-zero status of its own, not a signal (got $APP_STATUS)" \
    eval "[ $APP_STATUS -ne 0 ] && [ $APP_STATUS -lt 128 ]" || return 1
  check "and says why on stderr: $(grep '^metria:' "$APP_ERR" | head -n1)" eval "grep -q '^metria: .*display' '$APP_ERR'"
}

# A display named but not there (a server that has gone away): the message names it.
display_gone() {
  app_start -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER DISPLAY=:987
  if ! app_wait_exit 10; then
    check "with its display gone the program stops by itself (it was still running after 10 s)" false
    return 1
  fi
  check "it stops with a non-zero status of its own, not a signal (got $APP_STATUS)" \
    eval "[ $APP_STATUS -ne 0 ] && [ $APP_STATUS -lt 128 ]" || return 1
  check "and names the display: $(grep '^metria:' "$APP_ERR" | head -n1)" eval "grep -q '^metria: .*:987' '$APP_ERR'"
}

no_font_at_all() {
  font_config no-fonts
  app_start FONTCONFIG_FILE="$FONT_CONFIG"
  reaches_ready_menu || return 1
  check "stderr warns that no Japanese font was found" eval '[ "$(stderr_count "^metria: warning: no Japanese font")" -ge 1 ]' ||
    return 1
  still_running_then_terminated
}

latin_font_only() {
  local latin
  latin=$(fc-match -f '%{file}' 'DejaVu Sans')
  font_config latin-only "$latin"
  app_start FONTCONFIG_FILE="$FONT_CONFIG"
  reaches_ready_menu || return 1
  check "stderr warns that no Japanese font was found" eval '[ "$(stderr_count "^metria: warning: no Japanese font")" -ge 1 ]' ||
    return 1
  still_running_then_terminated
}

# ---------------------------------------------------------------------------------------------------------

start_xvfb || exit 1
echo "metria faults: $BINARY on $DISPLAY"
scenario "no sound device (SDL_AUDIODRIVER=nonexistent): runs silent, one warning" no_sound_driver
scenario "ALSA without a sound card: runs silent, one warning" alsa_without_card
scenario "no wav folder: runs, a warning per cue, the credit cue asked for" no_wav_folder
scenario "damaged cues (cut, garbage, half): runs through the step sounds and the credit sound" damaged_cues
scenario "no display: a clear message and a non-zero exit" no_display
scenario "display gone: a message that names it and a non-zero exit" display_gone
scenario "no font at all: falls back with a warning, still runs" no_font_at_all
scenario "only a Latin font: falls back with a warning, still runs" latin_font_only
finish "faults, $(( ($(now_ms) - SUITE_START) / 1000 )) s"
