#!/usr/bin/env bash
# Closing the game window saves the settings file, says "game over" in a box
# captioned Fendo and, once that box is dismissed, brings the title window
# back; Q there ends the program cleanly.
# shellcheck source=lib/harness.bash
source "$(dirname "$0")/lib/harness.bash"
e2e_setup "$@"

e2e_start_program
[[ -e $INI ]] && e2e_fail "fendo.ini existed before the title window closed"
e2e_go
[[ -f $INI ]] || e2e_fail "Go did not write fendo.ini before the game"
rm -f "$INI"
e2e_screenshot started

"$PROBE" close "$GAME_WINDOW" || e2e_fail "could not ask the game window to close"
box=$(e2e_wait_window "$PLAIN_BOX_RE" 10) || {
    e2e_screenshot no-box
    e2e_fail "no box captioned Fendo within 10 s of closing the game window"
}
e2e_log "game-over box $box captioned '$(e2e_caption "$box")'"

[[ -f $INI ]] || e2e_fail "fendo.ini was not written before the game-over box"
for entry in Scores:HiScore Scores:MaxKnockOutScore Scores:MaxHits \
    "Control Settings:InputMode" "Control Settings:PunishKeyL" "Control Settings:PunishKeyR"; do
    value=$(e2e_ini_value "$INI" "${entry%%:*}" "${entry#*:}")
    [[ $value =~ ^-?[0-9]+$ ]] || e2e_fail "fendo.ini lacks a number for [${entry%%:*}] ${entry#*:}"
done
# A game closed before any beating leaves the defaults.
[[ $(e2e_ini_value "$INI" "Control Settings" InputMode) == 0 ]] || e2e_fail "InputMode is not 0"
[[ $(e2e_ini_value "$INI" Scores MaxHits) == 0 ]] || e2e_fail "MaxHits is not 0"
e2e_log "fendo.ini: $(tr -d '\r' <"$INI" | tr '\n' ' ')"

e2e_press_ok "$box"
e2e_wait_title 10
e2e_log "title window back"
e2e_quit
e2e_log "PASS: program exited with status 0"
