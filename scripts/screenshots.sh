#!/usr/bin/env bash
# Takes the pictures for docs/ from the real program under Xvfb: the title
# window, the roster, a beating with punches on the field, and the judge.
#   scripts/screenshots.sh        (writes docs/title.png, roster.png, beating.png, judge.png)
set -euo pipefail
cd "$(dirname "$0")/.."
readonly DOCS=$PWD/docs

scripts/install-deps.sh build test
cmake --preset release -DFENDO_BUILD_TESTS=ON -DFENDO_BUILD_E2E=ON >/dev/null
cmake --build --preset release --target fendo fendo_probe >/dev/null

set +e
# shellcheck source=../tests/e2e/lib/harness.bash
source tests/e2e/lib/harness.bash
# shellcheck source=../tests/e2e/lib/beating.bash
source tests/e2e/lib/beating.bash
e2e_setup build/release/bin/fendo build/release/bin/fendo_probe
mkdir -p "$DOCS"

# The window's own pixels, without the screen around it; few colours, so
# a palette keeps the file small.
shoot() {
    import -window "$1" -strip "PNG8:$DOCS/$2.png" || e2e_fail "could not take $2.png"
    e2e_log "docs/$2.png ($(stat -c %s "$DOCS/$2.png") bytes)"
}

# Picks a Fendor that behaves, until the judge comes.
meet_the_judge() {
    local try slots slot scene box
    for ((try = 0; try < 20; try++)); do
        slots=" $("$PROBE" guilty "$GAME_WINDOW" "$FDATA") "
        for slot in 0 1 2 3 4 5; do
            [[ $slots == *" $slot "* ]] || break
        done
        beating_point_at_slot "$slot" click 1
        scene=$(beating_wait_scene_change 3)
        if [[ $scene == f ]]; then
            sleep 1.5
            shoot "$GAME_WINDOW" judge
            box=$(e2e_wait_window "$PLAIN_BOX_RE" 10) || e2e_fail "no penalty box after the judge scene"
            e2e_press_ok "$box"
            return 0
        fi
        # A Fendor that began to misbehave meanwhile is beaten instead.
        box=$(e2e_wait_window '^Got ' 10) && beating_finish_game "$box" && e2e_start_game
        beating_pointer_aside
    done
    e2e_fail "the judge never came"
}

e2e_start_program
sleep 0.5
shoot "$TITLE_WINDOW" title
e2e_go
beating_pointer_aside
sleep 1.2
shoot "$GAME_WINDOW" roster
meet_the_judge

beating_begin 60
buttons=(3 1)
for ((i = 0; i < 12; i++)); do
    xdotool click --delay 0 "${buttons[i % 2]}"
    sleep 0.08
done
sleep 0.05
shoot "$GAME_WINDOW" beating
box=$(e2e_wait_window '^Got ' 12) || e2e_fail "no death box after the beating"
beating_finish_game "$box"
e2e_log "done"
