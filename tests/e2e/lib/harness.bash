# Shared set-up for the end-to-end scripts: a private X server, a private
# copy of the program, and bounded waits. Sourced, never run on its own.
#
# Usage from a script:  source "$(dirname "$0")/lib/harness.bash"; e2e_setup "$@"
# The globals set here (PROBE, FDATA, INI, TITLE_WINDOW, GAME_WINDOW, GAME_STATUS, ...) are
# for those scripts.
# shellcheck disable=SC2034

set -u

readonly TITLE_CAPTION_RE='^Fendo -Biography of Fendors-$'
readonly GAME_CAPTION_RE='^フェンド -Biography of Fendors-$'
readonly ANY_CAPTION_RE='Biography of Fendors'
# Every message box of the game without a caption of its own is titled so.
readonly PLAIN_BOX_RE='^Fendo$'

e2e_log() { printf '[%6.1fs] %s\n' "$(e2e_elapsed)" "$*"; }

e2e_fail() {
    e2e_log "FAIL: $*"
    E2E_FAILED=1
    exit 1
}

# Wall-clock deadlines, so a wait lasts as long as it says however slow
# each look is.
e2e_deadline() { echo $(($(date +%s%N) + $1 * 1000000000)); }
e2e_before() { (($(date +%s%N) < $1)); }

e2e_elapsed() {
    local now
    now=$(date +%s%N)
    awk -v a="$now" -v b="$E2E_T0" 'BEGIN { printf "%.1f", (a - b) / 1e9 }'
}

# The program, the sound module and the data are copied so the settings file
# it writes beside itself lands in a scratch folder, never in the build tree.
e2e_setup() {
    if [[ $# -ne 2 || ! -x $1 || ! -x $2 ]]; then
        echo "usage: $0 <fendo executable> <fendo_probe executable>" >&2
        exit 2
    fi
    local -r program=$1
    PROBE=$2
    E2E_T0=$(date +%s%N)
    E2E_FAILED=0
    GAME_PID=
    XVFB_PID=
    # Other servers and recorders a script starts; ended before the X server.
    E2E_HELPER_PIDS=()
    WORK=$(mktemp -d "${TMPDIR:-/tmp}/fendo-e2e.XXXXXX")
    trap e2e_cleanup EXIT
    trap 'exit 1' INT TERM HUP

    cp "$program" "$WORK/fendo"
    cp "$(dirname "$program")"/*.so "$WORK/"
    cp -r "$(dirname "$program")/fdata" "$WORK/fdata"
    FDATA=$WORK/fdata
    INI=$WORK/fendo.ini
    mkdir -m 0700 "$WORK/runtime"
    export XDG_RUNTIME_DIR=$WORK/runtime
    # Sound clients write their settings folder here, not into the caller's home.
    export XDG_CONFIG_HOME=$WORK/config
    # The unit tests run off screen; this program must show real X windows.
    export QT_QPA_PLATFORM=xcb
    e2e_start_xvfb
}

e2e_cleanup() {
    local status=$?
    [[ -n $GAME_PID ]] && kill -- "-$GAME_PID" 2>/dev/null && wait "$GAME_PID" 2>/dev/null
    local helper
    for helper in "${E2E_HELPER_PIDS[@]}"; do
        kill "$helper" 2>/dev/null && wait "$helper" 2>/dev/null
    done
    [[ -n $XVFB_PID ]] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
    if [[ $status -ne 0 || $E2E_FAILED -ne 0 ]]; then
        echo "--- program output ---"
        cat "$WORK"/game*.log 2>/dev/null
        echo "--- kept for inspection: $WORK"
    else
        rm -rf "$WORK"
    fi
}

# Xvfb picks a free display itself and reports it once it accepts clients.
# Without -noreset it resets whenever its last client leaves, and a program
# started in that moment finds no display.
e2e_start_xvfb() {
    local -r numberFile=$WORK/display
    Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 800x600x24 3>"$numberFile" \
        >"$WORK/xvfb.log" 2>&1 &
    XVFB_PID=$!
    local -r deadline=$(e2e_deadline 10)
    while e2e_before "$deadline"; do
        if [[ -s $numberFile ]]; then
            DISPLAY=":$(head -n1 "$numberFile")"
            export DISPLAY
            e2e_log "Xvfb on $DISPLAY"
            return 0
        fi
        kill -0 "$XVFB_PID" 2>/dev/null || break
        sleep 0.1
    done
    cat "$WORK/xvfb.log"
    e2e_fail "Xvfb did not start"
}

# Starts the program and sets GAME_PID and TITLE_WINDOW: the program opens
# in the title window.
e2e_start_program() {
    GAME_RUNS=$((${GAME_RUNS:-0} + 1))
    # Its own process group, so the clean-up reaches anything it starts.
    setsid "$WORK/fendo" >"$WORK/game$GAME_RUNS.log" 2>&1 &
    GAME_PID=$!
    e2e_wait_title 20
    e2e_log "program $GAME_RUNS started (pid $GAME_PID, title window $TITLE_WINDOW)"
}

# Waits for the title window (at start or back after a game) and sets TITLE_WINDOW.
e2e_wait_title() {
    TITLE_WINDOW=$(e2e_wait_window "$TITLE_CAPTION_RE" "$1") ||
        e2e_fail "the title window did not appear within $1 s"
}

# Keys pressed in the title window, as xdotool names them.
e2e_title_keys() {
    # Slower than an access key's press, which lands 100 ms after the key.
    xdotool windowfocus "$TITLE_WINDOW" key --delay 150 "$@" 2>/dev/null
}

# Presses Go (Enter) in the title window and sets GAME_WINDOW.
e2e_go() {
    e2e_title_keys Return
    GAME_WINDOW=$(e2e_wait_window "$GAME_CAPTION_RE" 20) ||
        e2e_fail "the game window did not appear within 20 s of Go"
    e2e_wait_window_gone "$TITLE_WINDOW" 5 || e2e_fail "the title window stayed open during the game"
    e2e_log "game started (window $GAME_WINDOW)"
}

# Starts the program and goes straight from its title window into a game.
e2e_start_game() {
    e2e_start_program
    e2e_go
}

# Quits from the title window with Q and waits for the program to end with status 0.
e2e_quit() {
    e2e_title_keys q
    e2e_wait_game_exit 10 || e2e_fail "the program still runs 10 s after Q in the title window"
    [[ $GAME_STATUS -eq 0 ]] || e2e_fail "the program exited with status $GAME_STATUS"
}

# First visible window whose caption matches the pattern, or nothing.
e2e_find_window() {
    xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1
}

# Prints the window id once a visible window's caption matches; fails after
# the given number of seconds.
e2e_wait_window() {
    local -r pattern=$1 deadline=$(e2e_deadline "$2")
    local window
    while e2e_before "$deadline"; do
        window=$(e2e_find_window "$pattern")
        if [[ -n $window ]]; then
            echo "$window"
            return 0
        fi
        sleep 0.05
    done
    return 1
}

e2e_wait_window_gone() {
    local -r window=$1 deadline=$(e2e_deadline "$2")
    while e2e_before "$deadline"; do
        xdotool search --onlyvisible --name . 2>/dev/null | grep -qx "$window" || return 0
        sleep 0.05
    done
    return 1
}

e2e_caption() {
    xprop -id "$1" _NET_WM_NAME 2>/dev/null | sed -n 's/^[^"]*"\(.*\)"$/\1/p'
}

# Presses OK on a message box the way a player would: focus it, press Enter.
e2e_press_ok() {
    local -r box=$1
    xdotool windowfocus "$box" key Return 2>/dev/null
    e2e_wait_window_gone "$box" 5 || e2e_fail "box $box ($(e2e_caption "$box")) did not close on Enter"
}

e2e_game_running() {
    local state
    state=$(awk '{ print $3 }' "/proc/$GAME_PID/stat" 2>/dev/null) || return 1
    [[ $state != Z ]]
}

# Waits for the game process to end and sets GAME_STATUS to its exit status.
# Not for use in $(...): only this shell can collect its own child.
e2e_wait_game_exit() {
    local -r deadline=$(e2e_deadline "$1")
    while e2e_before "$deadline"; do
        if ! e2e_game_running; then
            GAME_STATUS=0
            wait "$GAME_PID" || GAME_STATUS=$?
            GAME_PID=
            return 0
        fi
        sleep 0.05
    done
    return 1
}

# CPU time the game has used so far, in clock ticks.
e2e_cpu_ticks() {
    awk '{ print $14 + $15 }' "/proc/$GAME_PID/stat"
}

# Per cent of one core between two tick readings taken wall-nanoseconds apart.
e2e_cpu_percent() {
    local -r ticks=$1 nanos=$2
    awk -v t="$ticks" -v n="$nanos" -v hz="$(getconf CLK_TCK)" \
        'BEGIN { printf "%.1f", (t / hz) / (n / 1e9) * 100 }'
}

# Value of a key in a section of an INI file (which has CR LF line ends).
e2e_ini_value() {
    local -r file=$1 section=$2 key=$3
    awk -F= -v s="[$section]" -v k="$key" '
        { sub(/\r$/, "") }
        /^\[/ { inSection = ($0 == s) }
        inSection && $1 == k { print $2; exit }' "$file"
}

# Pixels in which two pictures of the same size differ.
e2e_different_pixels() {
    compare -metric AE "$1" "$2" null: 2>&1 | awk '{ printf "%d", $1 }'
}

# A window's own pixels, taken once two grabs in a row agree, so a first
# paint still on its way is not taken for the picture.
e2e_grab() {
    local -r window=$1 file=$2 deadline=$(e2e_deadline 10)
    import -window "$window" "$file"
    until import -window "$window" "$WORK/again.png" &&
        [[ $(e2e_different_pixels "$file" "$WORK/again.png") == 0 ]]; do
        e2e_before "$deadline" || e2e_fail "window $window never stopped changing"
        mv "$WORK/again.png" "$file"
        sleep 0.1
    done
}

e2e_screenshot() {
    import -window root "$WORK/$1.png" 2>/dev/null && e2e_log "screenshot $1.png (kept if the test fails)"
}
