#!/usr/bin/env bash
# Every figure we track, measured afresh and printed as one markdown table:
# graphics against SDL2, the roster frame against a plain copy, CPU use,
# roster pacing and click response, start-up and memory against a bare Qt
# window, hits per click, and the punch sound as recorded. Takes a few
# minutes; not part of CI.
#   scripts/numbers.sh            (the pieces' own output goes to build/numbers/)
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1

# Limits the figures are held to. Lateness, click, start-up and memory are
# the ones the shipping plan sets; the others say what we expect of ourselves.
readonly BLIT_RATIO_MAX=1.0       # our masked blit no slower than SDL2's colour-keyed blit
readonly LOAD_RATIO_MAX=1.0       # our bitmap load no slower than SDL_LoadBMP_RW
readonly ROSTER_CPU_MAX=1.0       # % of a core while the roster waits
readonly LATE_P99_MAX_MS=2.0
readonly CLICK_MAX_MS=16.7        # one 60 Hz frame
readonly START_RATIO_MAX=1.3       # times a bare Qt window's start-up, timed in the same run
readonly RESIDENT_OVER_MAX_MB=5   # resident memory at the title window over the bare window's
readonly MEMORY_MAX_MB=50
readonly FIRST_PUNCH_MAX_MS=35    # the sound module is loaded at Go, never at the first punch

readonly OUT=build/numbers
mkdir -p "$OUT"
scripts/install-deps.sh build test bench
echo "building..." >&2
if ! { cmake --preset bench && cmake --build --preset bench --target bench_graphics bench_roster frame_pacing &&
    cmake --preset release -DFENDO_BUILD_TESTS=ON -DFENDO_BUILD_E2E=ON && cmake --build --preset release --target fendo fendo_probe; } >"$OUT/build.log" 2>&1; then
    cat "$OUT/build.log"
    exit 1
fi

readonly GAME=build/release/bin/fendo PROBE=build/release/bin/fendo_probe
run() {  # name, command...: output kept in $OUT/name.txt
    local -r name=$1
    shift
    echo "running $name..." >&2
    "$@" >"$OUT/$name.txt" 2>&1 || echo "($name exited with status $?)" >>"$OUT/$name.txt"
}
run graphics build/bench/bin/bench_graphics --benchmark_format=json
run roster build/bench/bin/bench_roster --benchmark_format=json
run pacing scripts/bench-pacing.sh
run beating bash tests/e2e/play_beating.sh "$GAME" "$PROBE"
run sound bash tests/e2e/punch_sound.sh "$GAME" "$PROBE"
run startup env RUNS=5 scripts/bench-startup.sh

# A counter of a benchmark from Google Benchmark's JSON ("?" if missing).
counter() {
    awk -F'"' -v n="$2" -v k="$3" '
        /"name":/ { name = $4 }
        name ~ "^" n && $2 == k { v = $3; gsub(/[:, ]/, "", v); print v; found = 1; exit }
        END { if (!found) print "?" }' "$OUT/$1.txt"
}
# The word after `key` on the first line of a piece's output matching `pattern`.
after() {
    awk -v p="$2" -v k="$3" '$0 ~ p { for (i = 1; i < NF; i++) if ($i == k) { v = $(i + 1); sub(/[%,]$/, "", v); print v; exit } }' "$OUT/$1.txt" | grep . || echo "?"
}
# Formats with printf, or passes "?" on.
fmt() {
    if [[ $2 == "?" ]]; then echo "?"; else LC_ALL=C awk -v f="$1" -v v="$2" 'BEGIN { printf f, v }'; fi
}
# "yes" when `value op limit` holds, "no" when not, "?" without a value.
met() {
    if [[ $1 == "?" ]]; then echo "?"; return; fi
    LC_ALL=C awk -v v="$1" -v l="$3" -v op="$2" 'BEGIN {
        ok = (op == "<=") ? v <= l : (op == "<") ? v < l : (op == ">=") ? v >= l : v == l
        print ok ? "yes" : "no" }'
}
ratio() {
    if [[ $1 == "?" || $2 == "?" ]]; then echo "?"; else LC_ALL=C awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; fi
}

row() { printf '| %s | %s | %s | %s | %s |\n' "$@"; }

echo
row measure ours peer/limit ratio/target "met?"
row --- --- --- --- ---
for size in 16/16 145/58; do
    ours=$(counter graphics "BM_BlitTransparent/$size" ours_ns)
    sdl=$(counter graphics "BM_BlitTransparent/$size" sdl_ns)
    r=$(ratio "$ours" "$sdl")
    row "masked blit ${size/\//×}" "$(fmt '%.0f ns' "$ours")" "SDL2 $(fmt '%.0f ns' "$sdl")" \
        "${r}× (≤ ${BLIT_RATIO_MAX}×)" "$(met "$r" '<=' "$BLIT_RATIO_MAX")"
done
ours=$(counter graphics BM_LoadBackground24 ours_ns)
sdl=$(counter graphics BM_LoadBackground24 sdl_ns)
copy=$(counter graphics BM_LoadBackground24 memcpy_ns)
r=$(ratio "$ours" "$sdl")
row "bitmap load 400×200, 24-bit" "$(fmt '%.1f µs' "$(ratio "$ours" 1000)")" \
    "SDL2 $(fmt '%.1f µs' "$(ratio "$sdl" 1000)")" "${r}× (≤ ${LOAD_RATIO_MAX}×)" "$(met "$r" '<=' "$LOAD_RATIO_MAX")"
row "bitmap load against a plain copy" "$(fmt '%.1f µs' "$(ratio "$ours" 1000)")" \
    "memcpy $(fmt '%.1f µs' "$(ratio "$copy" 1000)")" "$(ratio "$ours" "$copy")×" "—"
frame=$(counter roster RosterFrame frame_ns)
copy=$(counter roster RosterFrame copy_ns)
row "roster frame (drawn, not shown)" "$(fmt '%.1f µs' "$(ratio "$frame" 1000)")" \
    "plain copy $(fmt '%.1f µs' "$(ratio "$copy" 1000)")" "$(ratio "$frame" "$copy")×" "—"

cpu=$(after beating 'cpu roster wait' wait:)
row "CPU, roster wait (5 s)" "$(fmt '%.1f %%' "$cpu")" "one core" "≤ ${ROSTER_CPU_MAX} %" "$(met "$cpu" '<=' "$ROSTER_CPU_MAX")"
cpu=$(after beating 'cpu beating' beating:)
row "CPU, beating (200 clicks at full speed, to the death box)" "$(fmt '%.1f %%' "$cpu")" "one core" "—" "—"

for pace in 20 500; do
    p50=$(after pacing "lateness, $pace ms" p50)
    p99=$(after pacing "lateness, $pace ms" p99)
    n=$(after pacing "lateness, $pace ms" "frames:")
    row "roster frame lateness, $pace ms frames ($n), p50 / p99" "$p50 / $p99 ms" "its deadline" \
        "p99 ≤ ${LATE_P99_MAX_MS} ms" "$(met "$p99" '<=' "$LATE_P99_MAX_MS")"
done
p50=$(after pacing '^click' p50)
max=$(after pacing '^click' max)
n=$(after pacing '^click' "screen:")
row "click on a misbehaving Fendor to beating on screen ($n), p50 / max" "$p50 / $max ms" \
    "one 60 Hz frame" "< ${CLICK_MAX_MS} ms" "$(met "$max" '<' "$CLICK_MAX_MS")"

start=$(after startup '^start-up' median)
bare=$(after startup '^start-up' bare)
r=$(after startup '^start-up' ratio)
row "start-up to title window mapped (median of 5)" "$(fmt '%.1f ms' "$start")" \
    "bare Qt window $(fmt '%.1f ms' "$bare")" "${r}× (≤ ${START_RATIO_MAX}×)" "$(met "$r" '<=' "$START_RATIO_MAX")"
resident=$(after startup '^resident' median)
bare=$(after startup '^resident' bare)
over=$(after startup '^resident' over)
row "resident memory at title window (median of 5)" "$(fmt '%.1f MB' "$resident")" \
    "bare Qt window $(fmt '%.1f MB' "$bare")" "+${over} MB (≤ +${RESIDENT_OVER_MAX_MB} MB)" \
    "$(met "$over" '<=' "$RESIDENT_OVER_MAX_MB")"
peak=$(after startup '^peak resident' median)
row "peak memory after one game (median of 5)" "$(fmt '%.1f MB' "$peak")" "—" "≤ ${MEMORY_MAX_MB} MB" "$(met "$peak" '<=' "$MEMORY_MAX_MB")"

hits=$(awk -F'[ /:]+' '/^hits counted/ { print $5; exit }' "$OUT/beating.txt" | grep . || echo "?")
clicks=$(awk -F'[ /:]+' '/^hits counted/ { print $6; exit }' "$OUT/beating.txt" | grep . || echo "?")
row "hits counted per clicks sent (alternating, full speed)" "$hits" "$clicks clicks" "all counted" "$(met "$hits" '==' "$clicks")"

heard=$(after sound "^punch sound" "dBFS),")
hitsClicked=$(after sound '^punch sound' for)
row "punch sounds heard per hit (clicks 0.5 s apart)" "$heard" "$hitsClicked hits" "every hit heard" "$(met "$heard" '==' "$hitsClicked")"
dbfs=$(awk '/^punch sound/ { sub(/^\(/, "", $5); print $5; exit }' "$OUT/sound.txt" | grep . || echo "?")
first=$(after sound '^first punch' punch:)
row "first punch heard after its click (sound server's stream start included)" "$(fmt '%.0f ms' "$first")" "its click" \
    "≤ ${FIRST_PUNCH_MAX_MS} ms" "$(met "$first" '<=' "$FIRST_PUNCH_MAX_MS")"
row "punch sound peak level" "$dbfs dBFS" "full scale" "≥ −12 dBFS" "$(met "$dbfs" '>=' -12)"
echo
echo "(each piece's own output: $OUT/)"
