#!/usr/bin/env bash
# An installed game whose folder the player cannot write to still keeps its
# best results: a beating's hits are in the user's data folder after the game
# closes, and a second run reads them back (it saves what it loaded, so a
# value lost on the way would come back as 0). It finds its sound module in
# the install. A data home shared with others is passed over: another user's
# open fendo/ there, with a fendo.ini linked to a private file of the
# player's, leaves that file as it was.
# shellcheck source=lib.bash
source "$(dirname "$0")/lib.bash"
# shellcheck source=../e2e/lib/beating.bash
source "$(dirname "$0")/../e2e/lib/beating.bash"
package_setup "$@"

readonly SEARCH_SECONDS=60
readonly CLICK_PAIRS=40

package_install
gameFolder=$PREFIX/lib/fendo
chmod -R a-w "$PREFIX"
# Writable again before the harness cleans up, which an ordinary user needs.
trap 'status=$?; chmod -R u+w "$PREFIX"; (exit $status); e2e_cleanup' EXIT
chmod 755 "$WORK"
home=$WORK/home
runtime=$WORK/user-runtime
shared=$WORK/shared
secret=$home/private-notes
mkdir -p "$home" "$runtime" "$shared/fendo"
chmod 700 "$runtime"
chmod 1777 "$shared"
chmod 777 "$shared/fendo"
printf 'not for the game\n' >"$secret"
chmod 600 "$secret"
ln -s "$secret" "$shared/fendo/fendo.ini"
cp "$secret" "$WORK/secret-before"
# Root writes through permission bits, so the game runs as an ordinary user.
asUser=()
if [[ $(id -u) -eq 0 ]]; then
    chown nobody:nogroup "$home" "$runtime" "$secret"
    chown -hR 4242:4242 "$shared/fendo"
    asUser=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
readonly kept=$home/.local/share/fendo/fendo.ini
# The harness starts $WORK/fendo: make that the installed launcher, run as the user.
cat >"$WORK/fendo" <<SCRIPT
#!/bin/sh
exec ${asUser[*]} env XDG_DATA_HOME='$shared' HOME='$home' XDG_RUNTIME_DIR='$runtime' '$PREFIX/games/fendo'
SCRIPT

# The end-to-end player's way to a beating: wait for a misbehaving Fendor,
# click it, beat it with alternating buttons, and leave the game and the program.
beat_a_fendor_and_quit() {
    beating_begin "$SEARCH_SECONDS"
    local clicks=() i
    for ((i = 0; i < CLICK_PAIRS; i++)); do
        clicks+=(click --delay 0 1 click --delay 0 3)
    done
    xdotool "${clicks[@]}"
    local box
    box=$(e2e_wait_window '^Got ' 12) || e2e_fail "no 'Got ...' box after the beating"
    e2e_log "beating over: '$(e2e_caption "$box")'"
    beating_finish_game "$box"
}

close_game() {
    if [[ -z $(e2e_find_window "$PLAIN_BOX_RE") ]]; then
        "$PROBE" close "$GAME_WINDOW" || e2e_fail "could not ask the game window to close"
    fi
    local box
    box=$(e2e_wait_window "$PLAIN_BOX_RE" 10) || e2e_fail "no game-over box after closing"
    e2e_press_ok "$box"
    e2e_wait_title 10
    e2e_quit
}

e2e_start_game
beating_pointer_aside
beat_a_fendor_and_quit
# The game found its sound module where the install put it, from wherever the prefix is.
! grep 'without sound' "$WORK"/game*.log || e2e_fail "the installed game played without sound"
[[ ! -e $gameFolder/fendo.ini ]] || e2e_fail "a settings file appeared in the read-only game folder"
cmp "$WORK/secret-before" "$secret" || e2e_fail "the game wrote through a link planted in $shared"
[[ -f $kept ]] || e2e_fail "the best results were lost: no $kept"
firstHits=$(e2e_ini_value "$kept" Scores MaxHits)
firstScore=$(e2e_ini_value "$kept" Scores HiScore)
e2e_log "first run kept MaxHits=$firstHits HiScore=$firstScore in $kept"
((firstHits > 0)) || e2e_fail "the beating's hits were not kept"

e2e_start_game
close_game
secondHits=$(e2e_ini_value "$kept" Scores MaxHits)
secondScore=$(e2e_ini_value "$kept" Scores HiScore)
e2e_log "after a restart: MaxHits=$secondHits HiScore=$secondScore"
[[ $secondHits == "$firstHits" && $secondScore == "$firstScore" ]] ||
    e2e_fail "the restart did not read the kept best results back"
e2e_log "PASS"
