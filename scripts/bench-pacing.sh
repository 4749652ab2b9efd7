#!/usr/bin/env bash
# Roster pacing and response of the real game window under Xvfb: how late
# each roster frame reaches the screen against its deadline (500 ms frames as
# a game starts, 20 ms frames as fast as the roster gets), and how long a
# click on a misbehaving Fendor takes to put the beating on screen.
#   scripts/bench-pacing.sh
# Exits non-zero when a figure misses its limit.
set -euo pipefail
cd "$(dirname "$0")/.."
readonly LATE_P99_LIMIT_MS=2
# One frame of a 60 Hz screen.
readonly CLICK_LIMIT_MS=16.7

scripts/install-deps.sh build bench
cmake --preset bench >/dev/null
cmake --build --preset bench --target frame_pacing >/dev/null

runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
chmod 700 "$runtime"
XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 800x600x24 -nolisten tcp" build/bench/bin/frame_pacing |
    tee "$runtime/out"

# p99 of every lateness line, and the slowest click.
awk -v late="$LATE_P99_LIMIT_MS" -v click="$CLICK_LIMIT_MS" '
    /lateness/ { for (i = 1; i < NF; i++) if ($i == "p99") bad += ($(i + 1) > late) }
    /^click/ { for (i = 1; i < NF; i++) if ($i == "max") bad += ($(i + 1) >= click) }
    END { exit bad > 0 }' "$runtime/out" || {
    echo "over a limit: lateness p99 at most $LATE_P99_LIMIT_MS ms, click below $CLICK_LIMIT_MS ms" >&2
    exit 1
}
