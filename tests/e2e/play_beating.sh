#!/usr/bin/env bash
# Plays the game as a player would: waits for a Fendor to misbehave, clicks
# it, beats it with alternating buttons at full speed, and checks that the
# hits reach the saved best results.
# shellcheck source=lib/harness.bash
source "$(dirname "$0")/lib/harness.bash"
e2e_setup "$@"

readonly SEARCH_SECONDS=60
readonly CLICK_PAIRS=100
readonly ROSTER_CPU_SECONDS=5
# Centres of the slots' hit rectangles, in play-field pixels; the play field
# starts at (22, 50) of the game window.
readonly SLOT_X=(225 275 325 265 315 365)
readonly SLOT_Y=(104 104 104 153 153 153)
readonly FIELD_LEFT=22 FIELD_TOP=50

# Settles a game that ended on its own (stress full) and starts a fresh one
# from the title window.
restart_after_game_over() {
    local box
    box=$(e2e_find_window "$PLAIN_BOX_RE")
    [[ -n $box ]] && e2e_press_ok "$box"
    e2e_wait_title 10
    e2e_log "game ended by itself before a beating; starting again"
    e2e_go
    xdotool mousemove --window "$GAME_WINDOW" $((FIELD_LEFT + 100)) $((FIELD_TOP + 100))
}

# The scene shown once the play field has left the roster, or "m" if it has
# not within the given number of seconds.
wait_scene_change() {
    local -r seconds=$1
    local i scene=m
    for ((i = 0; i < seconds * 20; i++)); do
        scene=$("$PROBE" scene "$GAME_WINDOW" "$FDATA") || scene='?'
        [[ $scene != m ]] && break
        sleep 0.05
    done
    echo "$scene"
}

measure_roster_cpu() {
    local -r ticks=$(e2e_cpu_ticks) start=$(date +%s%N)
    sleep "$ROSTER_CPU_SECONDS"
    e2e_game_running || return 0
    echo "cpu roster wait: $(e2e_cpu_percent $(($(e2e_cpu_ticks) - ticks)) $(($(date +%s%N) - start)))%"
}

e2e_start_game
xdotool mousemove --window "$GAME_WINDOW" $((FIELD_LEFT + 100)) $((FIELD_TOP + 100))
measure_roster_cpu
e2e_screenshot roster

deadline=$((SECONDS + SEARCH_SECONDS))
beating=0
while ((SECONDS < deadline)); do
    if [[ -n $(e2e_find_window "$PLAIN_BOX_RE") || -n $(e2e_find_window "$TITLE_CAPTION_RE") ]]; then
        restart_after_game_over
        continue
    fi
    slots=$("$PROBE" guilty "$GAME_WINDOW" "$FDATA") || slots=
    if [[ -z $slots ]]; then
        sleep 0.05
        continue
    fi
    slot=${slots%% *}
    e2e_log "misbehaving: slots $slots; clicking slot $slot"
    xdotool mousemove --window "$GAME_WINDOW" \
        $((FIELD_LEFT + SLOT_X[slot])) $((FIELD_TOP + SLOT_Y[slot])) click 1
    scene=$(wait_scene_change 3)
    case $scene in
        b)
            beating=1
            break
            ;;
        f)
            # It calmed down between the look and the click: the judge's turn.
            e2e_log "judge scene: the Fendor had calmed down"
            box=$(e2e_wait_window "$PLAIN_BOX_RE" 10) || e2e_fail "no penalty box after the judge scene"
            e2e_press_ok "$box"
            ;;
        *)
            e2e_screenshot "click-ignored-$SECONDS"
            e2e_log "the click on slot $slot changed nothing (scene $scene)"
            ;;
    esac
done
((beating)) || e2e_fail "no beating began within $SEARCH_SECONDS s"
e2e_log "beating begins"
e2e_screenshot beating

beatTicks=$(e2e_cpu_ticks)
beatStart=$(date +%s%N)
clicks=()
for ((i = 0; i < CLICK_PAIRS; i++)); do
    clicks+=(click --delay 0 1 click --delay 0 3)
done
xdotool "${clicks[@]}"
e2e_log "$((2 * CLICK_PAIRS)) clicks sent"

gotBox=$(e2e_wait_window '^Got ' 12) || {
    e2e_screenshot no-got-box
    e2e_fail "no box captioned 'Got ...' within 12 s of the clicks"
}
beatNanos=$(($(date +%s%N) - beatStart))
echo "cpu beating: $(e2e_cpu_percent $(($(e2e_cpu_ticks) - beatTicks)) "$beatNanos")%"
gotCaption=$(e2e_caption "$gotBox")
e2e_log "death box captioned '$gotCaption'"
[[ $gotCaption =~ ^Got\ [0-9]+\ pts$ ]] || e2e_fail "unexpected caption '$gotCaption'"
e2e_press_ok "$gotBox"

enrolBox=$(e2e_wait_window "$PLAIN_BOX_RE" 5) || e2e_fail "no enrolment box after the death box"
e2e_press_ok "$enrolBox"
e2e_log "enrolment box dismissed"

# Stress may have filled up meanwhile and ended the game by itself.
if [[ -z $(e2e_find_window "$PLAIN_BOX_RE") ]]; then
    "$PROBE" close "$GAME_WINDOW" || e2e_fail "could not ask the game window to close"
fi
overBox=$(e2e_wait_window "$PLAIN_BOX_RE" 10) || e2e_fail "no game-over box after closing"
e2e_press_ok "$overBox"
e2e_wait_title 10
e2e_quit

maxHits=$(e2e_ini_value "$INI" Scores MaxHits)
[[ $maxHits =~ ^[0-9]+$ ]] || e2e_fail "no MaxHits in fendo.ini"
echo "hits counted / clicks sent: $maxHits/$((2 * CLICK_PAIRS))" \
    "($(awk -v h="$maxHits" -v c=$((2 * CLICK_PAIRS)) 'BEGIN { printf "%.1f", 100 * h / c }')%)"
echo "$gotCaption"
((maxHits > 0)) || e2e_fail "the beating counted no hits"
((maxHits <= 2 * CLICK_PAIRS)) || e2e_fail "more hits counted than clicks sent"
e2e_log "PASS"
