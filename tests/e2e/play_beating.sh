#!/usr/bin/env bash
# Plays the game as a player would: waits for a Fendor to misbehave, clicks
# it, beats it with alternating buttons at full speed, and checks that the
# hits reach the saved best results.
# shellcheck source=lib/harness.bash
source "$(dirname "$0")/lib/harness.bash"
# shellcheck source=lib/beating.bash
source "$(dirname "$0")/lib/beating.bash"
e2e_setup "$@"

readonly SEARCH_SECONDS=60
readonly CLICK_PAIRS=100
readonly ROSTER_CPU_SECONDS=5

measure_roster_cpu() {
    local -r ticks=$(e2e_cpu_ticks) start=$(date +%s%N)
    sleep "$ROSTER_CPU_SECONDS"
    e2e_game_running || return 0
    echo "cpu roster wait: $(e2e_cpu_percent $(($(e2e_cpu_ticks) - ticks)) $(($(date +%s%N) - start)))%"
}

e2e_start_game
beating_pointer_aside
measure_roster_cpu
e2e_screenshot roster

beating_begin "$SEARCH_SECONDS"
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
beating_finish_game "$gotBox"

maxHits=$(e2e_ini_value "$INI" Scores MaxHits)
[[ $maxHits =~ ^[0-9]+$ ]] || e2e_fail "no MaxHits in fendo.ini"
echo "hits counted / clicks sent: $maxHits/$((2 * CLICK_PAIRS))" \
    "($(awk -v h="$maxHits" -v c=$((2 * CLICK_PAIRS)) 'BEGIN { printf "%.1f", 100 * h / c }')%)"
echo "$gotCaption"
((maxHits > 0)) || e2e_fail "the beating counted no hits"
((maxHits <= 2 * CLICK_PAIRS)) || e2e_fail "more hits counted than clicks sent"
e2e_log "PASS"
