#!/usr/bin/env bash
# Builds every fuzz/fuzz_*.cpp with libFuzzer and the address and
# undefined-behaviour sanitizers against the Qt-free sources, then runs each
# for a bounded time on a fresh copy of its seed corpus fuzz/corpus/<name>/
# (name = file name without "fuzz_"). Exits non-zero if any target crashes.
#
#   scripts/fuzz.sh [seconds per target]     (or FUZZ_SECONDS; default 30)
#
# Build output, corpus copies and crash inputs go to build/fuzz/.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-${FUZZ_SECONDS:-30}}"
build="$root/build/fuzz"
cxx=clang++

if ! command -v "$cxx" >/dev/null 2>&1; then
    echo "fuzz.sh: clang++ is not installed, so nothing was fuzzed" \
        "(apt-get install clang libclang-rt-14-dev)."
    exit 0
fi

shopt -s nullglob
targets=("$root"/fuzz/fuzz_*.cpp)
if [ ${#targets[@]} -eq 0 ]; then
    echo "fuzz.sh: no fuzz/fuzz_*.cpp to run."
    exit 0
fi

flags=(-std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined
       -fno-sanitize-recover=undefined -I"$root")

# The library sources are compiled once and linked into every target; an
# object is rebuilt when its source or any header beside it is newer.
mkdir -p "$build/obj"
objects=()
for src in "$root"/platform/*.cpp "$root"/arithmetic/*.cpp "$root"/files/*.cpp "$root"/graphics/*.cpp; do
    dir="$(dirname "$src")"
    obj="$build/obj/$(basename "$dir")_$(basename "${src%.cpp}").o"
    stale=0
    [ "$obj" -nt "$src" ] || stale=1
    for header in "$root"/platform/*.h "$root"/arithmetic/*.h "$root"/files/*.h "$root"/graphics/*.h; do
        [ "$obj" -nt "$header" ] || stale=1
    done
    if [ $stale -eq 1 ]; then
        echo "fuzz.sh: compiling ${src#"$root"/}"
        "$cxx" "${flags[@]}" -c "$src" -o "$obj"
    fi
    objects+=("$obj")
done

status=0
for src in "${targets[@]}"; do
    target="$(basename "${src%.cpp}")"
    name="${target#fuzz_}"
    echo "fuzz.sh: building $target"
    "$cxx" "${flags[@]}" "$src" "${objects[@]}" -o "$build/$target"

    corpus="$build/corpus/$name"
    artifacts="$build/artifacts/$name/"
    rm -rf "$corpus"
    mkdir -p "$corpus" "$artifacts"
    if [ -d "$root/fuzz/corpus/$name" ]; then
        cp -R "$root/fuzz/corpus/$name/." "$corpus/"
    fi

    echo "fuzz.sh: running $target for ${seconds}s"
    if ! "$build/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$artifacts" "$corpus"; then
        echo "fuzz.sh: $target failed; the input that did it is in $artifacts"
        status=1
    fi
done
exit $status
