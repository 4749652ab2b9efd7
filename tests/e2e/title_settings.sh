#!/usr/bin/env bash
# A first run played from the keyboard alone: the title window opens with no
# settings file, the player picks keyboard-only input and two punch keys,
# starts a game, closes it, comes back to the title window and quits. The
# file on disk holds what was chosen, both during the game and at the end.
# shellcheck source=lib/harness.bash
source "$(dirname "$0")/lib/harness.bash"
e2e_setup "$@"

expect_file() {
    local -r when=$1 expected=$2
    local actual
    actual=$(tr -d '\r' <"$INI" | tr '\n' ' ')
    [[ $actual == "$expected" ]] || e2e_fail "fendo.ini $when: '$actual', expected '$expected'"
}

readonly CHOSEN='[Scores] HiScore=0 MaxKnockOutScore=0 MaxHits=0 [Control Settings] InputMode=2 PunishKeyL=81 PunishKeyR=34 '

e2e_start_program
[[ -e $INI ]] && e2e_fail "fendo.ini exists before anything was saved"
e2e_screenshot first-start

# Alt+H picks mouse and keyboard, K keyboard only; L enters the left box,
# where Q is a punch key, not Quit; the focus then moves to the right box by
# itself, which takes Page Down and hands the focus on to Go.
e2e_title_keys alt+h k l q Next
e2e_screenshot keys-chosen
e2e_go
expect_file "during the game" "$CHOSEN"

"$PROBE" close "$GAME_WINDOW" || e2e_fail "could not ask the game window to close"
box=$(e2e_wait_window "$PLAIN_BOX_RE" 10) || e2e_fail "no game-over box within 10 s"
e2e_press_ok "$box"
e2e_wait_title 10
e2e_log "title window back after the game"
e2e_screenshot title-again

# Alt+Q presses Quit.
e2e_title_keys alt+q
e2e_wait_game_exit 10 || e2e_fail "the program still runs 10 s after Alt+Q"
[[ $GAME_STATUS -eq 0 ]] || e2e_fail "the program exited with status $GAME_STATUS"
expect_file "after Quit" "$CHOSEN"
[[ $(head -c 10 "$INI" | od -An -c | tr -s ' ') == *'\r \n'* ]] || e2e_fail "fendo.ini lines do not end in CR LF"
e2e_log "PASS: $(tr -d '\r' <"$INI" | tr '\n' ' ')"
