#!/usr/bin/env bash
# Builds every fuzz/fuzz_*.cpp with the fuzz preset (clang, libFuzzer, the
# address and undefined-behaviour sanitizers), then runs each for a bounded
# time on a fresh copy of its seed corpus fuzz/corpus/<name>/ (name = file
# name without "fuzz_"). Exits non-zero if any target crashes.
#
#   scripts/fuzz.sh [seconds per target]     (or FUZZ_SECONDS; default 30)
#
# Build output, corpus copies and crash inputs go to build/fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-${FUZZ_SECONDS:-30}}"
build="$PWD/build/fuzz"

scripts/install-deps.sh build fuzz
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

# The settings target writes and syncs real files on every input: on a disk
# each sync costs tens of milliseconds, in memory almost nothing (about 35
# times the inputs per second here).
scratch=""
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
    scratch="$(mktemp -d /dev/shm/fendo-fuzz.XXXXXX)"
    trap 'rm -rf "$scratch"' EXIT
    export TMPDIR="$scratch"
fi

status=0
for src in fuzz/fuzz_*.cpp; do
    target="$(basename "${src%.cpp}")"
    name="${target#fuzz_}"
    corpus="$build/corpus/$name"
    artifacts="$build/artifacts/$name/"
    rm -rf "$corpus"
    mkdir -p "$corpus" "$artifacts"
    if [ -d "fuzz/corpus/$name" ]; then
        cp -R "fuzz/corpus/$name/." "$corpus/"
    fi

    echo "fuzz.sh: running $target for ${seconds}s"
    if ! "$build/bin/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$artifacts" "$corpus"; then
        echo "fuzz.sh: $target failed; the input that did it is in $artifacts"
        status=1
    fi
done
exit $status
