#!/usr/bin/env bash
# An installed game whose folder the player cannot write to still keeps its
# best results: a beating's hits are in the user's data folder after the game
# closes, and a second run reads them back (it saves what it loaded, so a
# value lost on the way would come back as 0).
# shellcheck source=lib.bash
source "$(dirname "$0")/lib.bash"
package_setup "$@"

readonly SEARCH_SECONDS=60
readonly CLICK_PAIRS=40
# Centres of the slots' hit rectangles, in play-field pixels; the play field
# starts at (22, 50) of the game window.
readonly SLOT_X=(225 275 325 265 315 365)
readonly SLOT_Y=(104 104 104 153 153 153)
readonly FIELD_LEFT=22 FIELD_TOP=50

package_install
gameFolder=$PREFIX/lib/fendo
chmod -R a-w "$PREFIX"
# Writable again before the harness cleans up, which an ordinary user needs.
trap 'status=$?; chmod -R u+w "$PREFIX"; (exit $status); e2e_cleanup' EXIT
chmod 755 "$WORK"
home=$WORK/home
runtime=$WORK/user-runtime
mkdir -p "$home" "$runtime"
chmod 700 "$runtime"
# Root writes through permission bits, so the game runs as an ordinary user.
asUser=()
if [[ $(id -u) -eq 0 ]]; then
    chown nobody:nogroup "$home" "$runtime"
    asUser=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
readonly kept=$home/.local/share/fendo/fendo.ini
# The harness starts $WORK/fendo: make that the installed launcher, run as the user.
cat >"$WORK/fendo" <<SCRIPT
#!/bin/sh
exec ${asUser[*]} env -u XDG_DATA_HOME HOME='$home' XDG_RUNTIME_DIR='$runtime' '$PREFIX/games/fendo'
SCRIPT

# The end-to-end player's way to a beating: wait for a misbehaving Fendor,
# click it, and beat it with alternating buttons.
beat_a_fendor() {
    local deadline=$((SECONDS + SEARCH_SECONDS)) slots slot scene box i
    while ((SECONDS < deadline)); do
        if [[ -n $(e2e_find_window "$PLAIN_BOX_RE") || -n $(e2e_find_window "$TITLE_CAPTION_RE") ]]; then
            box=$(e2e_find_window "$PLAIN_BOX_RE")
            [[ -n $box ]] && e2e_press_ok "$box"
            e2e_wait_title 10
            e2e_go
            continue
        fi
        slots=$("$PROBE" guilty "$GAME_WINDOW" "$FDATA") || slots=
        if [[ -z $slots ]]; then
            sleep 0.05
            continue
        fi
        slot=${slots%% *}
        xdotool mousemove --window "$GAME_WINDOW" \
            $((FIELD_LEFT + SLOT_X[slot])) $((FIELD_TOP + SLOT_Y[slot])) click 1
        for ((i = 0; i < 60; i++)); do
            scene=$("$PROBE" scene "$GAME_WINDOW" "$FDATA") || scene='?'
            [[ $scene != m ]] && break
            sleep 0.05
        done
        if [[ $scene == b ]]; then
            local clicks=()
            for ((i = 0; i < CLICK_PAIRS; i++)); do
                clicks+=(click --delay 0 1 click --delay 0 3)
            done
            xdotool "${clicks[@]}"
            box=$(e2e_wait_window '^Got ' 12) || e2e_fail "no 'Got ...' box after the beating"
            e2e_log "beating over: '$(e2e_caption "$box")'"
            e2e_press_ok "$box"
            box=$(e2e_wait_window "$PLAIN_BOX_RE" 5) || e2e_fail "no enrolment box"
            e2e_press_ok "$box"
            return 0
        fi
        if [[ $scene == f ]]; then
            box=$(e2e_wait_window "$PLAIN_BOX_RE" 10) || e2e_fail "no penalty box after the judge scene"
            e2e_press_ok "$box"
        fi
    done
    e2e_fail "no beating began within $SEARCH_SECONDS s"
}

close_game() {
    if [[ -z $(e2e_find_window "$PLAIN_BOX_RE") ]]; then
        "$PROBE" close "$GAME_WINDOW" || e2e_fail "could not ask the game window to close"
    fi
    local box
    box=$(e2e_wait_window "$PLAIN_BOX_RE" 10) || e2e_fail "no game-over box after closing"
    e2e_press_ok "$box"
    e2e_wait_title 10
    e2e_quit
}

e2e_start_game
xdotool mousemove --window "$GAME_WINDOW" $((FIELD_LEFT + 100)) $((FIELD_TOP + 100))
beat_a_fendor
close_game
[[ ! -e $gameFolder/fendo.ini ]] || e2e_fail "a settings file appeared in the read-only game folder"
[[ -f $kept ]] || e2e_fail "the best results were lost: no $kept"
firstHits=$(e2e_ini_value "$kept" Scores MaxHits)
firstScore=$(e2e_ini_value "$kept" Scores HiScore)
e2e_log "first run kept MaxHits=$firstHits HiScore=$firstScore in $kept"
((firstHits > 0)) || e2e_fail "the beating's hits were not kept"

e2e_start_game
close_game
secondHits=$(e2e_ini_value "$kept" Scores MaxHits)
secondScore=$(e2e_ini_value "$kept" Scores HiScore)
e2e_log "after a restart: MaxHits=$secondHits HiScore=$secondScore"
[[ $secondHits == "$firstHits" && $secondScore == "$firstScore" ]] ||
    e2e_fail "the restart did not read the kept best results back"
e2e_log "PASS"
