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
