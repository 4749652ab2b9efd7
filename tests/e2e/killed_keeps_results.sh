#!/usr/bin/env bash
# SIGTERM, SIGHUP or the loss of the X display end a game behind its first death box: the
# beating's result is in fendo.ini before (saved as it settled) and after (saved on the way
# out into a file removed meanwhile), and the exit status still tells what ended the program.
# shellcheck source=lib/harness.bash
source "$(dirname "$0")/lib/harness.bash"
# shellcheck source=lib/beating.bash
source "$(dirname "$0")/lib/beating.bash"
e2e_setup "$@"

hiscore() { e2e_ini_value "$INI" Scores HiScore 2>/dev/null; }
# What the folder and the file held when a check failed.
show_files() {
    ls -la --time-style=+%T.%N "$WORK"
    [[ -f $INI ]] && cat -A "$INI"
    ls -la --time-style=+%T.%N "${XDG_DATA_HOME:-$HOME/.local/share}/fendo" 2>&1
}
clicks=()
for ((i = 0; i < 20; i++)); do clicks+=(click --delay 0 1 click --delay 0 3); done

for way in TERM HUP display; do
    rm -f "$INI"
    e2e_start_game
    beating_pointer_aside
    beating_begin 60
    xdotool "${clicks[@]}"
    box=$(e2e_wait_window '^Got ' 12) || e2e_fail "no 'Got ...' box after the beating"
    points=$(e2e_caption "$box" | tr -dc 0-9)
    [[ $points -gt 0 && $(hiscore) == "$points" ]] || {
        show_files
        e2e_fail "behind the box: HiScore '$(hiscore)', not $points"
    }
    rm -f "$INI"
    case $way in
        display) kill "$XVFB_PID" && wait "$XVFB_PID"; XVFB_PID='' expected=1 ;;
        *) kill "-$way" "$GAME_PID"; expected=$((128 + $(kill -l "$way"))) ;;
    esac
    e2e_wait_game_exit 10 || e2e_fail "the program still runs 10 s after $way"
    e2e_log "$way: exit status $GAME_STATUS, fendo.ini HiScore '$(hiscore)' for $points pts"
    [[ $GAME_STATUS -eq $expected && $(hiscore) == "$points" ]] || {
        show_files
        e2e_fail "expected status $expected and HiScore $points"
    }
done
e2e_log "PASS"
