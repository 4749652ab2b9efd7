# Finding a misbehaving Fendor and starting its beating, as a player would.
# Sourced after harness.bash, never run on its own.
# shellcheck disable=SC2034

# Centres of the slots' hit rectangles, in play-field pixels; the play field
# starts at (22, 50) of the game window.
readonly SLOT_X=(225 275 325 265 315 365)
readonly SLOT_Y=(104 104 104 153 153 153)
readonly FIELD_LEFT=22 FIELD_TOP=50

# Keeps the pointer on the play field but off every Fendor, so a move never
# picks one by accident.
beating_pointer_aside() {
    xdotool mousemove --window "$GAME_WINDOW" $((FIELD_LEFT + 100)) $((FIELD_TOP + 100))
}

# Points at a slot's Fendor; with "click" it is also picked with the left button.
beating_point_at_slot() {
    local -r slot=$1
    shift
    xdotool mousemove --window "$GAME_WINDOW" \
        $((FIELD_LEFT + SLOT_X[slot])) $((FIELD_TOP + SLOT_Y[slot])) "$@"
}

# Settles a game that ended on its own (stress full) and starts a fresh one
# from the title window.
beating_restart_after_game_over() {
    local box
    box=$(e2e_find_window "$PLAIN_BOX_RE")
    [[ -n $box ]] && e2e_press_ok "$box"
    e2e_wait_title 10
    e2e_log "game ended by itself before a beating; starting again"
    e2e_go
    beating_pointer_aside
}

# The scene shown once the play field has left the roster, or "m" if it has
# not within the given number of seconds.
beating_wait_scene_change() {
    local -r seconds=$1
    local i scene=m
    for ((i = 0; i < seconds * 20; i++)); do
        scene=$("$PROBE" scene "$GAME_WINDOW" "$FDATA") || scene='?'
        [[ $scene != m ]] && break
        sleep 0.05
    done
    echo "$scene"
}

# Waits for a Fendor to misbehave and picks it, until a beating begins or
# the given number of seconds is over (then the test fails). A pick that
# meets the judge (the Fendor calmed down in between) is sat out. Calls
# BEATING_BEFORE_PICK, if set, just before each pick.
beating_begin() {
    local -r deadline=$((SECONDS + $1))
    local slots slot scene box
    while ((SECONDS < deadline)); do
        if [[ -n $(e2e_find_window "$PLAIN_BOX_RE") || -n $(e2e_find_window "$TITLE_CAPTION_RE") ]]; then
            beating_restart_after_game_over
            continue
        fi
        slots=$("$PROBE" guilty "$GAME_WINDOW" "$FDATA") || slots=
        if [[ -z $slots ]]; then
            sleep 0.05
            continue
        fi
        slot=${slots%% *}
        e2e_log "misbehaving: slots $slots; clicking slot $slot"
        [[ -n ${BEATING_BEFORE_PICK:-} ]] && "$BEATING_BEFORE_PICK"
        beating_point_at_slot "$slot" click 1
        scene=$(beating_wait_scene_change 3)
        case $scene in
            b)
                e2e_log "beating begins"
                return 0
                ;;
            f)
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
    e2e_fail "no beating began within $1 s"
}

# After the beating's death box: dismisses it and the enrolment box, closes
# the game window, settles the game-over box and quits from the title window.
beating_finish_game() {
    local -r gotBox=$1
    local box
    e2e_press_ok "$gotBox"
    box=$(e2e_wait_window "$PLAIN_BOX_RE" 5) || e2e_fail "no enrolment box after the death box"
    e2e_press_ok "$box"
    e2e_log "enrolment box dismissed"
    # Stress may have filled up meanwhile and ended the game by itself.
    if [[ -z $(e2e_find_window "$PLAIN_BOX_RE") ]]; then
        "$PROBE" close "$GAME_WINDOW" || e2e_fail "could not ask the game window to close"
    fi
    box=$(e2e_wait_window "$PLAIN_BOX_RE" 10) || e2e_fail "no game-over box after closing"
    e2e_press_ok "$box"
    e2e_wait_title 10
    e2e_quit
}
