#!/usr/bin/env bash
# On a system without any Japanese font the game reads as it does with one:
# the title window and the game-over box are drawn pixel for pixel the same
# under a fontconfig that knows only DejaVu and Liberation as under one that
# also has a Japanese font, and no warning about fonts comes up.
# shellcheck source=lib/harness.bash
source "$(dirname "$0")/lib/harness.bash"
e2e_setup "$@"

readonly LATIN_FONTS=(/usr/share/fonts/truetype/dejavu /usr/share/fonts/truetype/liberation)
readonly JAPANESE_FONTS=/usr/share/fonts/opentype/ipafont-gothic

# A fontconfig file that knows only the given font folders; no rules of the
# system's, so nothing else can stand in for a missing face.
font_config() {
    local -r file=$WORK/$1.conf
    shift
    {
        echo '<?xml version="1.0"?><!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">'
        echo "<fontconfig><cachedir>$WORK/fontconfig-cache</cachedir>"
        printf '<dir>%s</dir>\n' "$@"
        echo '</fontconfig>'
    } >"$file"
    echo "$file"
}

# The title window and the game-over box under one fontconfig, as NAME-title.png and NAME-box.png.
pictures() {
    local -r name=$1
    export FONTCONFIG_FILE=$2
    e2e_start_program
    e2e_grab "$TITLE_WINDOW" "$WORK/$name-title.png"
    e2e_go
    "$PROBE" close "$GAME_WINDOW" || e2e_fail "could not ask the game window to close"
    local box
    box=$(e2e_wait_window "$PLAIN_BOX_RE" 10) || e2e_fail "no game-over box within 10 s"
    e2e_grab "$box" "$WORK/$name-box.png"
    e2e_press_ok "$box"
    e2e_wait_title 10
    e2e_quit
    grep -q 'cannot show' "$WORK/game$GAME_RUNS.log" && e2e_fail "$name: the game warned about fonts"
    unset FONTCONFIG_FILE
    e2e_log "$name: pictures taken"
}

for folder in "${LATIN_FONTS[@]}" "$JAPANESE_FONTS"; do
    [[ -d $folder ]] || e2e_fail "no font folder $folder"
done
pictures latin "$(font_config latin "${LATIN_FONTS[@]}")"
pictures japanese "$(font_config japanese "${LATIN_FONTS[@]}" "$JAPANESE_FONTS")"

for picture in title box; do
    different=$(e2e_different_pixels "$WORK/latin-$picture.png" "$WORK/japanese-$picture.png")
    [[ $different == 0 ]] ||
        e2e_fail "$picture: $different pixels differ without a Japanese font (kept in $WORK)"
done
e2e_log "PASS: title window and game-over box the same with and without a Japanese font"
