#!/usr/bin/env bash
# Start-up time (exec to the title window mapped on the X server) and peak
# resident memory after one game, each the median of RUNS runs under Xvfb.
#   scripts/bench-startup.sh            (RUNS=10 by default)
# Exits non-zero when a median misses its limit.
set -euo pipefail
cd "$(dirname "$0")/.."
readonly RUNS=${RUNS:-10}
readonly START_LIMIT_MS=100
readonly MEMORY_LIMIT_MB=50

scripts/install-deps.sh build test
cmake --preset release -DFENDO_BUILD_TESTS=ON -DFENDO_BUILD_E2E=ON >/dev/null
cmake --build --preset release --target fendo fendo_probe >/dev/null

set +e
# shellcheck source=../tests/e2e/lib/harness.bash
source tests/e2e/lib/harness.bash
e2e_setup build/release/bin/fendo build/release/bin/fendo_probe

median() { sort -n | awk '{ v[NR] = $1 } END { m = int((NR + 1) / 2); print (NR % 2) ? v[m] : (v[m] + v[m + 1]) / 2 }'; }

# Starts the program; sets START_MS to the milliseconds from the start to its
# title window being mapped. Runs in this shell so that it owns the program.
timed_start() {
    local -r watch=$WORK/watch
    rm -f "$INI"
    "$PROBE" mapped "Fendo -Biography of Fendors-" >"$watch" &
    local -r probePid=$!
    local deadline
    deadline=$(e2e_deadline 5)
    until [[ -s $watch ]] || ! e2e_before "$deadline"; do sleep 0.01; done
    local -r start=$(date +%s%N)
    GAME_RUNS=$((${GAME_RUNS:-0} + 1))
    setsid "$WORK/fendo" >"$WORK/game$GAME_RUNS.log" 2>&1 &
    GAME_PID=$!
    deadline=$(e2e_deadline 20)
    while (($(wc -l <"$watch") < 2)) && e2e_before "$deadline"; do sleep 0.001; done
    wait "$probePid" 2>/dev/null
    (($(wc -l <"$watch") >= 2)) || e2e_fail "the title window was not mapped within 20 s"
    START_MS=$(awk -v a="$(tail -n1 "$watch")" -v b="$start" 'BEGIN { printf "%.1f", (a - b) / 1e6 }')
}

# One game opened from the title window and closed again; sets PEAK_MB to
# the peak resident set once the title window is back.
one_game_peak_mb() {
    e2e_wait_title 10
    e2e_go
    sleep 1
    "$PROBE" close "$GAME_WINDOW"
    local box
    box=$(e2e_wait_window "$PLAIN_BOX_RE" 10) || e2e_fail "no game-over box"
    e2e_press_ok "$box"
    e2e_wait_title 10
    PEAK_MB=$(awk '/^VmHWM:/ { printf "%.1f", $2 / 1024 }' "/proc/$GAME_PID/status")
}

starts=()
peaks=()
for ((run = 1; run <= RUNS; run++)); do
    timed_start
    one_game_peak_mb
    starts+=("$START_MS")
    peaks+=("$PEAK_MB")
    e2e_quit
    e2e_log "run $run: start-up ${starts[-1]} ms, peak memory ${peaks[-1]} MB"
done
startMedian=$(printf '%s\n' "${starts[@]}" | median)
peakMedian=$(printf '%s\n' "${peaks[@]}" | median)
echo "start-up to title window mapped: median ${startMedian} ms of $RUNS (limit $START_LIMIT_MS ms)"
echo "peak resident memory after one game: median ${peakMedian} MB of $RUNS (limit $MEMORY_LIMIT_MB MB)"
awk -v s="$startMedian" -v p="$peakMedian" -v sl=$START_LIMIT_MS -v pl=$MEMORY_LIMIT_MB \
    'BEGIN { exit !(s <= sl && p <= pl) }' || e2e_fail "a median is over its limit"
