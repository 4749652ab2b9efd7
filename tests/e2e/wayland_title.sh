#!/usr/bin/env bash
# The game as a native Wayland client under weston's headless compositor: its
# title window is mapped with its caption and the desktop entry's id as its
# app id, draws the same pixels as under X11, and the game keeps running.
# Weston takes no injected input, so only the start is played.
# shellcheck source=lib/harness.bash
source "$(dirname "$0")/lib/harness.bash"
e2e_setup "$@"

readonly APP_ID=io.github.fendo.Fendo
readonly TITLE_CAPTION='Fendo -Biography of Fendors-'
readonly SOCKET=fendo-e2e
# Both screens show a buffer Qt's own raster engine painted, copied unscaled, so
# the pixels should be the same; the allowance is below a single glyph, so a
# changed text, font or layout still fails (0.1 % of the 379 x 175 client area).
readonly MAX_DIFFERENT_PIXELS=64

# The reference: the title window as X11 shows it.
e2e_start_program
x11=$WORK/title-x11.png
e2e_grab "$TITLE_WINDOW" "$x11"
read -r width height < <(identify -format '%w %h\n' "$x11")
e2e_quit
e2e_log "X11 title window: ${width}x$height"

# The debug protocol lets weston-debug read the scene graph and
# weston-screenshooter read the screen.
weston --backend=headless-backend.so --use-pixman --debug --socket=$SOCKET \
    --width=800 --height=600 --idle-time=0 >"$WORK/weston.log" 2>&1 &
E2E_HELPER_PIDS+=($!)
deadline=$(e2e_deadline 10)
until [[ -S $XDG_RUNTIME_DIR/$SOCKET ]]; do
    e2e_before "$deadline" || { cat "$WORK/weston.log"; e2e_fail "weston did not start"; }
    sleep 0.05
done
export WAYLAND_DISPLAY=$SOCKET
e2e_log "weston on $XDG_RUNTIME_DIR/$SOCKET"

# Wayland only: without the plugin Qt stops instead of falling back to X11.
GAME_RUNS=$((GAME_RUNS + 1))
env -u DISPLAY QT_QPA_PLATFORM=wayland setsid "$WORK/fendo" >"$WORK/game$GAME_RUNS.log" 2>&1 &
GAME_PID=$!

# The game's mapped top-level surface as weston's scene graph shows it:
# "CAPTION|APP_ID|LEFT TOP RIGHT BOTTOM" of its opaque part, the client area.
toplevel() {
    weston-debug scene-graph 2>/dev/null | awk -v pid="$GAME_PID" '
        index($0, "role xdg_toplevel, PID " pid ",") {
            if (match($0, /top-level window .* of [^,]*,/)) {
                label = substr($0, RSTART + 17, RLENGTH - 18)
                split(label, parts, "\047 of ")
                caption = substr(parts[1], 2)
                appId = parts[2]
            }
            view = 1
            next
        }
        view && /\[opaque: / {
            gsub(/[^0-9]+/, " ")
            print caption "|" appId "|" $0
            exit
        }
        view && /View [0-9]+ / { view = 0 }'
}

deadline=$(e2e_deadline 20)
view=
while [[ -z $view ]]; do
    e2e_game_running || e2e_fail "the game ended under Wayland"
    e2e_before "$deadline" || e2e_fail "no top-level window of the game was mapped within 20 s"
    view=$(toplevel)
    [[ -n $view ]] || sleep 0.05
done
IFS='|' read -r caption appId area <<<"$view"
read -r left top right bottom <<<"$area"
e2e_log "mapped: '$caption', app id $appId, client area ($left, $top) - ($right, $bottom)"
[[ $caption == "$TITLE_CAPTION" ]] || e2e_fail "caption '$caption', expected '$TITLE_CAPTION'"
[[ $appId == "$APP_ID" ]] || e2e_fail "app id '$appId', expected the desktop entry's id $APP_ID"
((right - left == width && bottom - top == height)) ||
    e2e_fail "client area $((right - left))x$((bottom - top)), under X11 ${width}x$height"

# The first frames may still be on their way: look until the pictures agree.
wayland=$WORK/title-wayland.png
deadline=$(e2e_deadline 10)
while :; do
    rm -f "$WORK"/wayland-screenshot-*.png
    (cd "$WORK" && weston-screenshooter) || e2e_fail "weston-screenshooter failed"
    convert "$WORK"/wayland-screenshot-*.png -crop "${width}x$height+$left+$top" +repage "$wayland"
    different=$(e2e_different_pixels "$x11" "$wayland")
    ((different <= MAX_DIFFERENT_PIXELS)) && break
    e2e_before "$deadline" ||
        e2e_fail "$different pixels differ from the X11 title window (kept: $wayland, $x11)"
    sleep 0.2
done
e2e_log "the Wayland title window matches X11 ($different pixels differ)"

sleep 1
e2e_game_running || e2e_fail "the game did not keep running under Wayland"
[[ -n $(toplevel) ]] || e2e_fail "the title window went away under Wayland"
e2e_log "PASS: native Wayland client $APP_ID, still running"
