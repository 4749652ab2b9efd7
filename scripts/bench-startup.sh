#!/usr/bin/env bash
# The game's start-up against a bare Qt window's (bench/bare_window.cpp: a
# QApplication with one label), side by side under one Xvfb, the two started
# in turn so that whatever else the machine does hits both alike:
#   start-up      exec to the window mapped on the X server
#   resident      VmRSS once the window is mapped and has painted
#   peak          the game's peak resident set after one game (VmHWM)
# Each a median of RUNS runs.
#   scripts/bench-startup.sh            (RUNS=5 by default)
# Exits non-zero when a median misses its limit.
set -euo pipefail
cd "$(dirname "$0")/.."
readonly RUNS=${RUNS:-5}
readonly START_RATIO_MAX=1.3  # times the bare window's start-up
readonly RESIDENT_OVER_MAX_MB=5
readonly START_LIMIT_MS=100
readonly MEMORY_LIMIT_MB=50
# A window is mapped before its first paint has allocated what painting needs.
readonly SETTLE_SECONDS=0.3
# Between one program's end and the next start, so that the exit of the one
# and the X server's clean-up after it are not timed as the other's start-up.
readonly PAUSE_SECONDS=0.2
readonly BARE_CAPTION="Bare Qt window -Biography of Fendors-"

scripts/install-deps.sh build test
cmake --preset release -DFENDO_BUILD_TESTS=ON -DFENDO_BUILD_E2E=ON >/dev/null
cmake --build --preset release --target fendo fendo_probe bare_window >/dev/null

set +e
# shellcheck source=../tests/e2e/lib/harness.bash
source tests/e2e/lib/harness.bash
e2e_setup build/release/bin/fendo build/release/bin/fendo_probe
cp build/release/bin/bare_window "$WORK/bare_window"

median() { sort -n | awk '{ v[NR] = $1 } END { m = int((NR + 1) / 2); print (NR % 2) ? v[m] : (v[m] + v[m + 1]) / 2 }'; }

# Starts a program of $WORK, sets STARTED_PID and START_MS, the milliseconds
# from the start to its window being mapped, then RESIDENT_MB once the window
# has painted. Runs in this shell so that it owns the program.
timed_start() {
    local -r program=$1 caption=$2 watch=$WORK/watch
    # The probe ends once it has seen the map: waiting for it takes no CPU from
    # the program starting, as a loop looking at its output would.
    timeout 25 "$PROBE" mapped "$caption" >"$watch" &
    local -r probePid=$!
    local deadline
    deadline=$(e2e_deadline 5)
    until [[ -s $watch ]] || ! e2e_before "$deadline"; do sleep 0.01; done
    sleep "$PAUSE_SECONDS"
    local -r start=$(date +%s%N)
    GAME_RUNS=$((${GAME_RUNS:-0} + 1))
    setsid "$WORK/$program" >"$WORK/game$GAME_RUNS.log" 2>&1 &
    STARTED_PID=$!
    wait "$probePid" 2>/dev/null
    (($(wc -l <"$watch") >= 2)) || e2e_fail "$program's window was not mapped within 20 s"
    START_MS=$(awk -v a="$(tail -n1 "$watch")" -v b="$start" 'BEGIN { printf "%.1f", (a - b) / 1e6 }')
    sleep "$SETTLE_SECONDS"
    RESIDENT_MB=$(awk '/^VmRSS:/ { printf "%.1f", $2 / 1024 }' "/proc/$STARTED_PID/status")
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

bareStarts=()
bareResidents=()
starts=()
residents=()
peaks=()
for ((run = 1; run <= RUNS; run++)); do
    timed_start bare_window "$BARE_CAPTION"
    E2E_HELPER_PIDS=("$STARTED_PID")
    bareStarts+=("$START_MS")
    bareResidents+=("$RESIDENT_MB")
    kill -- "-$STARTED_PID"
    wait "$STARTED_PID" 2>/dev/null
    E2E_HELPER_PIDS=()

    rm -f "$INI"
    timed_start fendo "Fendo -Biography of Fendors-"
    GAME_PID=$STARTED_PID
    starts+=("$START_MS")
    residents+=("$RESIDENT_MB")
    one_game_peak_mb
    peaks+=("$PEAK_MB")
    e2e_quit
    e2e_log "run $run: start-up ${starts[-1]} ms (bare ${bareStarts[-1]} ms)," \
        "resident ${residents[-1]} MB (bare ${bareResidents[-1]} MB), peak ${peaks[-1]} MB"
done
bareStart=$(printf '%s\n' "${bareStarts[@]}" | median)
bareResident=$(printf '%s\n' "${bareResidents[@]}" | median)
start=$(printf '%s\n' "${starts[@]}" | median)
resident=$(printf '%s\n' "${residents[@]}" | median)
peak=$(printf '%s\n' "${peaks[@]}" | median)
ratio=$(awk -v a="$start" -v b="$bareStart" 'BEGIN { printf "%.2f", a / b }')
over=$(awk -v a="$resident" -v b="$bareResident" 'BEGIN { printf "%.1f", a - b }')
echo "start-up to title window mapped: median ${start} ms of $RUNS, bare ${bareStart} ms," \
    "ratio ${ratio} (limit ${START_RATIO_MAX}; and $START_LIMIT_MS ms)"
echo "resident memory at title window: median ${resident} MB of $RUNS, bare ${bareResident} MB," \
    "over ${over} MB (limit ${RESIDENT_OVER_MAX_MB} MB)"
echo "peak resident memory after one game: median ${peak} MB of $RUNS (limit $MEMORY_LIMIT_MB MB)"
awk -v s="$start" -v r="$ratio" -v o="$over" -v p="$peak" -v sl=$START_LIMIT_MS \
    -v rl=$START_RATIO_MAX -v ol=$RESIDENT_OVER_MAX_MB -v pl=$MEMORY_LIMIT_MB \
    'BEGIN { exit !(s <= sl && r <= rl && o <= ol && p <= pl) }' || e2e_fail "a median is over its limit"
