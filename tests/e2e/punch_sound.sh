#!/usr/bin/env bash
# The punch sound, heard: a private sound server with a null sink records
# what the program plays. The roster before any pick must be silent; in a
# beating with slow alternating clicks every hit must count and be heard as
# one loud burst, each after the same short lag behind its click. Then, in a
# game each, the same sound behind an EXTENSIBLE header must be heard as
# loud, and a file that is no wave at all as the short stand-in tone. The
# stream names the game to mixers, keeping what the player set for it.
# shellcheck source=lib/harness.bash
source "$(dirname "$0")/lib/harness.bash"
# shellcheck source=lib/beating.bash
source "$(dirname "$0")/lib/beating.bash"
# shellcheck source=lib/sound.bash
source "$(dirname "$0")/lib/sound.bash"
e2e_setup "$@"

readonly SEARCH_SECONDS=60
readonly ROSTER_SECONDS=3
# Clicks far enough apart that each 0.18 s punch ends before the next starts,
# and all of them well inside the six seconds of the beating.
readonly HITS=8
readonly HIT_GAP_SECONDS=0.5
# Sample levels of 16-bit sound: a burst is louder than about -30 dBFS,
# a punch peaks above about -12 dBFS, silence stays below about -50 dBFS.
readonly BURST_LEVEL=1000
readonly PUNCH_PEAK=8000
readonly SILENCE_LEVEL=100
# Each burst's lag behind its click (the sound server's stream start-up) is at
# most LAG_MAX_MS and varies by at most LAG_SPREAD_MS.
readonly LAG_SPREAD_MS=150
readonly LAG_MAX_MS=400

listen() {
    "$PROBE" listen "$RECORDING" "$SOUND_RATE" "$1" "$2" "$BURST_LEVEL" ||
        e2e_fail "the probe could not read the recording"
}

# Starts a game, lands one hit in a beating and plays the game to its end;
# sets HEARD to what the probe heard from the hit on.
hear_one_hit() {
    e2e_start_game
    beating_pointer_aside
    beating_begin "$SEARCH_SECONDS"
    local -r from=$(sound_mark)
    xdotool click --delay 0 3
    local gotBox
    gotBox=$(e2e_wait_window '^Got ' 12) || e2e_fail "no box captioned 'Got ...' after the beating"
    HEARD=$(listen "$from" "$(sound_mark)")
    beating_finish_game "$gotBox"
}

dbfs() {
    awk -v p="$1" 'BEGIN { if (p <= 0) print "-inf"; else printf "%.1f", 20 * log(p / 32768) / log(10) }'
}

sound_start_server
sound_start_recording
# A property the player set for every sound client, on a key the game sets too.
export PULSE_PROP="application.id='player.choice'"
e2e_start_game
beating_pointer_aside

rosterFrom=$(sound_mark)
sleep "$ROSTER_SECONDS"
rosterTo=$(sound_mark)
rosterPeak=$(listen "$rosterFrom" "$rosterTo" | awk '$1 == "peak" { print $2 }')
e2e_log "roster: $(sound_ms $((rosterTo - rosterFrom))) ms recorded, peak $rosterPeak"
((rosterTo - rosterFrom >= SOUND_RATE * (ROSTER_SECONDS - 1))) ||
    e2e_fail "the recorder fell behind: only $((rosterTo - rosterFrom)) samples in ${ROSTER_SECONDS} s"
((rosterPeak < SILENCE_LEVEL)) || e2e_fail "the roster was not silent: peak $rosterPeak"

beating_begin "$SEARCH_SECONDS"
clickMarks=()
buttons=(3 1)
for ((i = 0; i < HITS; i++)); do
    clickMarks+=("$(sound_mark)")
    xdotool click --delay 0 "${buttons[i % 2]}"
    sleep "$HIT_GAP_SECONDS"
    # A punch's stream stays open until the next punch replaces it.
    ((i == 1)) && pactl list sink-inputs >"$WORK/sink-inputs.txt"
done
e2e_log "$HITS alternating clicks sent, ${HIT_GAP_SECONDS} s apart"
gotBox=$(e2e_wait_window '^Got ' 12) || e2e_fail "no box captioned 'Got ...' after the beating"
heard=$(listen "${clickMarks[0]}" "$(sound_mark)")
beating_finish_game "$gotBox"

peak=$(awk '$1 == "peak" { print $2 }' <<<"$heard")
mapfile -t burstStarts < <(awk '$1 == "burst" { print $2 }' <<<"$heard")
echo "punch sound: peak $peak ($(dbfs "$peak") dBFS), ${#burstStarts[@]} bursts heard for $HITS hits clicked"
while read -r _ first last level; do
    e2e_log "burst at $(sound_ms "$first") ms, $(sound_ms $((last - first))) ms long, peak $level"
done < <(grep '^burst' <<<"$heard")

echo "the punch's stream, as mixers see it:"
sed -n 's/^\t*\(application\.name\|application\.icon_name\|application\.id\|media\.role\) = /  \1 = /p' \
    "$WORK/sink-inputs.txt"
for property in 'application.name = "Fendo"' 'application.icon_name = "io.github.fendo.Fendo"' \
    'media.role = "game"' 'application.id = "player.choice"'; do
    grep -qF "$property" "$WORK/sink-inputs.txt" || e2e_fail "no stream with $property"
done

maxHits=$(e2e_ini_value "$INI" Scores MaxHits)
((maxHits == HITS)) || e2e_fail "the beating counted $maxHits hits for $HITS alternating clicks"
((peak >= PUNCH_PEAK)) || e2e_fail "the punches peak at $peak only"
((${#burstStarts[@]} == HITS)) || e2e_fail "${#burstStarts[@]} bursts heard for $HITS hits"

# Each burst belongs to the last click before it: every click sounds once,
# and after about the same lag.
lags=()
previousClick=-1
for first in "${burstStarts[@]}"; do
    click=-1
    for ((i = 0; i < HITS; i++)); do
        ((clickMarks[i] <= first)) && click=$i
    done
    ((click >= 0)) || e2e_fail "a burst at $(sound_ms "$first") ms came before the first click"
    ((click > previousClick)) || e2e_fail "click $click sounded twice"
    previousClick=$click
    lags+=("$(sound_ms $((first - clickMarks[click])))")
done
e2e_log "lag of each burst behind its click (ms): ${lags[*]}"
echo "first punch: ${lags[0]} ms behind its click"
read -r lagMin lagMax < <(printf '%s\n' "${lags[@]}" | sort -n | awk 'NR == 1 { a = $1 } { b = $1 } END { print a, b }')
((lagMax <= LAG_MAX_MS)) || e2e_fail "a burst lags its click by $lagMax ms"
((lagMax - lagMin <= LAG_SPREAD_MS)) || e2e_fail "the bursts lose the clicks' rhythm: lags $lagMin..$lagMax ms"

sound_extensible_copy "$FDATA/default_p.wav" "$WORK/extensible.wav"
mv "$WORK/extensible.wav" "$FDATA/default_p.wav"
hear_one_hit
peak=$(awk '$1 == "peak" { print $2 }' <<<"$HEARD")
echo "extensible wave: peak $peak ($(dbfs "$peak") dBFS)"
((peak >= PUNCH_PEAK)) || e2e_fail "the EXTENSIBLE copy of the punch peaks at $peak only"

echo "this is no wave" >"$FDATA/default_p.wav"
hear_one_hit
peak=$(awk '$1 == "peak" { print $2 }' <<<"$HEARD")
read -r _ first last _ < <(grep -m1 '^burst' <<<"$HEARD")
echo "fallback tone: peak $peak ($(dbfs "$peak") dBFS), $(sound_ms $((${last:-0} - ${first:-0}))) ms long"
((peak >= BURST_LEVEL)) || e2e_fail "no stand-in tone heard for a file that is no wave: peak $peak"
e2e_log "PASS"
