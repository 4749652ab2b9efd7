# Shared by the packaging scripts: the end-to-end harness (private X server,
# bounded waits, clean-up) plus an install of the build tree into a scratch
# prefix. Sourced, never run on its own.
#
# Usage:  source "$(dirname "$0")/lib.bash"; package_setup "$@"
# Arguments: <build folder> <fendo executable> <fendo_probe executable>
# shellcheck disable=SC2034

# shellcheck source=../e2e/lib/harness.bash
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib/harness.bash"

package_setup() {
    if [[ $# -ne 3 || ! -d $1 ]]; then
        echo "usage: $0 <build folder> <fendo executable> <fendo_probe executable>" >&2
        exit 2
    fi
    BUILD=$1
    e2e_setup "$2" "$3"
}

# Installs the build tree into a new, empty prefix and sets PREFIX.
package_install() {
    PREFIX=$WORK/prefix
    [[ ! -e $PREFIX ]] || e2e_fail "$PREFIX is not empty"
    cmake --install "$BUILD" --prefix "$PREFIX" >"$WORK/install.log" 2>&1 || {
        cat "$WORK/install.log"
        e2e_fail "cmake --install failed"
    }
    e2e_log "installed into an empty prefix: $(find "$PREFIX" -type f | wc -l) files"
}

# Starts a program as the game in a process group of its own and waits until
# that very process shows a window of the game, whichever of its windows
# comes first. Sets GAME_PID and GAME_WINDOW.
package_start() {
    local -r name=$1
    shift
    setsid "$@" >"$WORK/game-$name.log" 2>&1 &
    GAME_PID=$!
    local -r deadline=$(e2e_deadline 20)
    GAME_WINDOW=
    while e2e_before "$deadline" && [[ -z $GAME_WINDOW ]]; do
        e2e_game_running || break
        GAME_WINDOW=$(xdotool search --pid "$GAME_PID" --onlyvisible --name "$ANY_CAPTION_RE" \
            2>/dev/null | head -n1)
        [[ -n $GAME_WINDOW ]] || sleep 0.05
    done
    if [[ -z $GAME_WINDOW ]]; then
        cat "$WORK/game-$name.log"
        e2e_fail "$name: no window of the game within 20 s"
    fi
    e2e_log "$name: window $GAME_WINDOW '$(e2e_caption "$GAME_WINDOW")' of pid $GAME_PID"
}

package_stop() {
    kill -- "-$GAME_PID" 2>/dev/null
    wait "$GAME_PID" 2>/dev/null
    GAME_PID=
}

# Width x height of a PNG, from its header.
package_png_size() {
    file -b "$1" | sed -n 's/^PNG image data, \([0-9]*\) x \([0-9]*\),.*/\1x\2/p'
}
