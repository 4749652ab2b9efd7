#!/usr/bin/env bash
# Peak memory (maximum resident set size, from /usr/bin/time -v) of loading
# hostile data files as the game loads them, in the release build and in the
# sanitizer build:
#   sheet-fit        a 400 x 200 24-bit background of the right length
#   sheet-200M       the same header followed by 200 MB (a sparse file)
#   sheet-zero-200M  200 MB of nothing but zeros (sparse)
#   wave-lying       100 bytes whose data chunk claims 4 GiB
#   wave-fit         a 1-second 22 kHz wave of the right length
#   wave-200M        the same wave followed by 200 MB (a sparse file)
#   wave-long        a wave whose data chunk truly holds 200 MB (sparse)
#   wave-chunks      a 1-second wave behind 1 MiB of empty chunks, the most
#                    the check before every punch walks through
# Sheets are loaded 50 times, as 50 roster frames would.
#   scripts/peak-memory.sh [release|sanitizer|both]   (default both)
set -euo pipefail
cd "$(dirname "$0")/.."
which=${1:-both}
scripts/install-deps.sh build bench

builds=()
if [ "$which" = release ] || [ "$which" = both ]; then
    cmake --preset bench >/dev/null
    cmake --build --preset bench --target peak_memory >/dev/null
    builds+=("release:build/bench/bin/peak_memory")
fi
if [ "$which" = sanitizer ] || [ "$which" = both ]; then
    cmake --preset debug -B build/peak-sanitizer -DFENDO_BUILD_BENCHMARKS=ON \
        -DFENDO_BUILD_TESTS=OFF >/dev/null
    cmake --build build/peak-sanitizer --target peak_memory >/dev/null
    builds+=("sanitizer:build/peak-sanitizer/bin/peak_memory")
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=offscreen
# Leak reports of system libraries would only clutter the numbers.
export ASAN_OPTIONS=detect_leaks=0

# Little-endian integers of 4 and 2 bytes, as raw bytes.
le() { local i; for ((i = 0; i < $2; i++)); do printf "\\x$(printf %02x $(($1 >> 8 * i & 255)))"; done; }
le32() { le "$1" 4; }
le16() { le "$1" 2; }

# 400 x 200, 24 bits, bottom-up: 54 header bytes and 240000 bytes of pixels.
{ printf BM; le32 240054; le32 0; le32 54; le32 40; le32 400; le32 200; le16 1; le16 24
  le32 0; le32 240000; le32 2835; le32 2835; le32 0; le32 0; } > "$work/sheet-fit"
cp "$work/sheet-fit" "$work/sheet-200M"
truncate -s 240054 "$work/sheet-fit"
truncate -s 200M "$work/sheet-200M"
truncate -s 200M "$work/sheet-zero-200M"

wave() {  # data size as declared, bytes of samples actually there, empty chunks before
    local i riff=$(($1 + 36 + 8 * ${3:-0}))
    printf RIFF; le32 $((riff > 0xFFFFFFFF ? 0xFFFFFFFF : riff)); printf WAVE
    for ((i = 0; i < ${3:-0}; i++)); do printf 'JUNK\0\0\0\0'; done
    printf 'fmt '
    le32 16; le16 1; le16 1; le32 22050; le32 44100; le16 2; le16 16
    printf data; le32 "$1"; head -c "$2" /dev/zero
}
wave 0xFFFFFFFF 56 > "$work/wave-lying"
wave 44100 44100 > "$work/wave-fit"
cp "$work/wave-fit" "$work/wave-200M"
truncate -s 200M "$work/wave-200M"
wave 209715200 0 > "$work/wave-long"
truncate -s $((209715200 + 44)) "$work/wave-long"
wave 44100 44100 131066 > "$work/wave-chunks"

printf '%-10s %-16s %10s  %s\n' build file "peak KiB" "driver says"
for build in "${builds[@]}"; do
    name=${build%%:*}
    bin=${build#*:}
    for file in sheet-fit sheet-200M sheet-zero-200M wave-lying wave-fit wave-200M wave-long wave-chunks; do
        kind=${file%%-*}
        /usr/bin/time -v -o "$work/time" "$bin" "$kind" "$work/$file" > "$work/out" 2>&1 || true
        peak=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/time")
        printf '%-10s %-16s %10s  %s\n' "$name" "$file" "$peak" "$(tail -n 1 "$work/out")"
    done
done
