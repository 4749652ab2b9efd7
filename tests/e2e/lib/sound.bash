# A private sound server with one null sink, and a recording of what plays
# into it. Sourced after harness.bash, which ends both at exit.
# shellcheck disable=SC2034

readonly SOUND_RATE=22050
readonly SOUND_SINK=fendo_test

# Starts the server in $WORK/pulse and points every client started from here
# on (the program, the recorder) at it and only at it.
sound_start_server() {
    local -r dir=$WORK/pulse
    mkdir -m 0700 "$dir"
    # The server runs as whoever runs the test, root included; without a
    # display it looks for no session bus to announce itself on.
    env -u DISPLAY PULSE_RUNTIME_PATH="$dir" HOME="$dir" \
        pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
        -L "module-null-sink sink_name=$SOUND_SINK" \
        -L "module-native-protocol-unix socket=$dir/native auth-anonymous=1" \
        >"$WORK/pulseaudio.log" 2>&1 &
    E2E_HELPER_PIDS+=("$!")
    export PULSE_SERVER=unix:$dir/native
    # Clients would otherwise write a cookie into the caller's home folder.
    export PULSE_COOKIE=$dir/cookie
    local -r deadline=$(e2e_deadline 10)
    until pactl info >/dev/null 2>&1; do
        e2e_before "$deadline" || {
            cat "$WORK/pulseaudio.log"
            e2e_fail "the sound server did not start"
        }
        sleep 0.1
    done
    e2e_log "sound server at $PULSE_SERVER"
}

# Records the sink's monitor into $RECORDING as raw signed 16-bit mono.
sound_start_recording() {
    RECORDING=$WORK/sink.raw
    parec -d "$SOUND_SINK.monitor" --raw --format=s16le --channels=1 --rate=$SOUND_RATE \
        --latency-msec=10 >"$RECORDING" 2>"$WORK/parec.log" &
    E2E_HELPER_PIDS+=("$!")
    local -r deadline=$(e2e_deadline 10)
    until [[ -s $RECORDING ]]; do
        e2e_before "$deadline" || e2e_fail "the recorder wrote nothing"
        sleep 0.05
    done
}

# How many samples the recording holds so far: a mark in its time line.
sound_mark() {
    echo $(($(stat -c %s "$RECORDING") / 2))
}

sound_ms() {
    awk -v s="$1" -v r=$SOUND_RATE 'BEGIN { printf "%.0f", 1000 * s / r }'
}

# A value as little-endian bytes: value, width in bytes.
sound_le() {
    local i
    for ((i = 0; i < $2; i++)); do printf "\\x$(printf %02x $(($1 >> 8 * i & 255)))"; done
}

# Copies a plain PCM wave with the usual 44-byte header into an EXTENSIBLE
# one: the same samples, their format named by a sub-format GUID instead.
sound_extensible_copy() {
    local -r from=$1 to=$2
    [[ $(head -c 4 "$from") == RIFF && $(tail -c +37 "$from" | head -c 4) == data ]] ||
        e2e_fail "$from has no plain 44-byte header"
    local bits bytes
    read -r bits < <(od -An -tu2 -j34 -N2 "$from")
    read -r bytes < <(od -An -tu4 -j40 -N4 "$from")
    {
        printf RIFF; sound_le $((60 + bytes)) 4; printf 'WAVEfmt '; sound_le 40 4; sound_le 0xFFFE 2
        # Channels, rate, bytes per second and per frame, bits: as they were.
        head -c 36 "$from" | tail -c 14
        sound_le 22 2; sound_le "$bits" 2; sound_le 0 4
        # PCM's code, then the tail every such GUID shares.
        printf '\x01\x00\x00\x00\x00\x00\x10\x00\x80\x00\x00\xaa\x00\x38\x9b\x71'
        printf data; sound_le "$bytes" 4; tail -c +45 "$from"
    } >"$to"
}
