#!/usr/bin/env bash
# The game installs the way Linux games do, its desktop files pass the
# validators, the launcher on the PATH starts it, and the .deb made from the
# same build passes lintian and starts the game once unpacked.
# shellcheck source=lib.bash
source "$(dirname "$0")/lib.bash"
package_setup "$@"

package_install
for path in lib/fendo/fendo lib/fendo/modules/libfendo_sound.so lib/fendo/fdata/default_m.bmp lib/fendo/fdata/default_p.wav \
    share/metainfo share/applications share/man/man6/fendo.6.gz share/doc/fendo/copyright; do
    [[ -e $PREFIX/$path ]] || e2e_fail "the install lacks $path"
done
[[ -x $PREFIX/games/fendo ]] || e2e_fail "no launcher games/fendo"

desktop=$(find "$PREFIX/share/applications" -name '*.desktop')
[[ $(wc -l <<<"$desktop") -eq 1 ]] || e2e_fail "expected one desktop entry, found: $desktop"
appId=$(basename "$desktop" .desktop)
[[ $appId =~ ^[a-z]+\.[A-Za-z0-9_]+(\.[A-Za-z0-9_]+)+$ ]] || e2e_fail "'$appId' is no reverse-DNS id"
grep -qx 'Categories=Game;ArcadeGame;' "$desktop" || e2e_fail "the desktop entry is not in Game;ArcadeGame;"
desktop-file-validate "$desktop" || e2e_fail "desktop-file-validate found faults"
metainfo=$PREFIX/share/metainfo/$appId.metainfo.xml
appstreamcli validate --no-net "$metainfo" || e2e_fail "appstreamcli found faults"
for tag in '<launchable type="desktop-id">'"$appId.desktop" '<screenshot' '<release ' \
    '<content_rating type="oars-'; do
    grep -q "$tag" "$metainfo" || e2e_fail "the metainfo lacks $tag"
done
for size in 48 128; do
    icon=$PREFIX/share/icons/hicolor/${size}x$size/apps/$appId.png
    [[ $(package_png_size "$icon") == "${size}x$size" ]] || e2e_fail "no ${size}x$size icon at $icon"
done
e2e_log "desktop entry, metainfo and icons of $appId pass"

# Free software throughout: the GPL's own text beside the source, and every place a
# distribution or a software centre reads the licence from says the same.
cmp -s "$(dirname "$0")/../../LICENSE" /usr/share/common-licenses/GPL-3 ||
    e2e_fail "LICENSE is not the text of the GPL version 3"
grep -q '<project_license>GPL-3.0-or-later AND OFL-1.1</project_license>' "$metainfo" ||
    e2e_fail "the metainfo does not declare GPL-3.0-or-later"
copyright=$PREFIX/share/doc/fendo/copyright
grep -qx 'License: GPL-3+' "$copyright" || e2e_fail "the copyright file does not license the game GPL-3+"
grep -q '/usr/share/common-licenses/GPL-3' "$copyright" || e2e_fail "the copyright file does not point at the GPL text"
grep -qx 'License: OFL-1.1' "$copyright" && grep -q 'SIL OPEN FONT LICENSE Version 1.1' "$copyright" ||
    e2e_fail "the copyright file lacks the licence of the compiled-in font"

PATH=$PREFIX/games:$PATH package_start launcher fendo
# On X11 desktops match the running window to its menu entry by its class.
wmClass=$(sed -n 's/^StartupWMClass=//p' "$desktop")
windowClass=$(xprop -id "$GAME_WINDOW" WM_CLASS | sed -n 's/^WM_CLASS(STRING) = "[^"]*", "\(.*\)"$/\1/p')
[[ -n $wmClass && $windowClass == "$wmClass" ]] ||
    e2e_fail "the window's X11 class '$windowClass' is not the entry's StartupWMClass '$wmClass'"
package_stop

packages=$WORK/packages
cpack --config "$BUILD/CPackConfig.cmake" -B "$packages" >"$WORK/cpack.log" 2>&1 || {
    cat "$WORK/cpack.log"
    e2e_fail "cpack failed"
}
deb=$(echo "$packages"/*.deb)
tarball=$(echo "$packages"/*.tar.gz)
[[ -f $deb && -f $tarball ]] || e2e_fail "cpack made no .deb and .tar.gz"
e2e_log "made $(basename "$deb") and $(basename "$tarball")"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# Qt Multimedia's package is found through the sound module, which links it.
for needed in libqt6widgets6 libqt6multimedia6 libc6 fonts-liberation fonts-dejavu-core; do
    [[ $depends == *"$needed"* ]] || e2e_fail "the .deb does not depend on $needed"
done
[[ $(dpkg-deb -f "$deb" Recommends) == *qt6-wayland* ]] ||
    e2e_fail "the .deb does not recommend qt6-wayland, so Wayland desktops get XWayland"
echo "--- files the .deb installs"
dpkg-deb -c "$deb" | awk '$NF !~ /\/$/ { print $NF }' | sed 's|^\./|/|'
tar -tzf "$tarball" >"$WORK/tarball.list" || e2e_fail "the .tar.gz cannot be read"
grep -q '/lib/fendo/fdata/default_c.bmp$' "$WORK/tarball.list" || e2e_fail "the .tar.gz lacks the data folder"
grep -q '/lib/fendo/modules/libfendo_sound.so$' "$WORK/tarball.list" ||
    e2e_fail "the .tar.gz lacks the sound module"

# Root gets a reminder it may ignore; errors fail the test, warnings are shown.
lintian --no-tag-display-limit "$deb" 2>&1 | grep -v 'root privileges' | tee "$WORK/lintian.log"
! grep -q '^E:' "$WORK/lintian.log" || e2e_fail "lintian found errors"
e2e_log "lintian: $(grep -c '^E:' "$WORK/lintian.log") errors, $(grep -c '^W:' "$WORK/lintian.log") warnings"

unpacked=$WORK/unpacked
dpkg-deb -x "$deb" "$unpacked"
# Qt Multimedia comes with the sound module, when a game starts, never with the program.
! ldd "$unpacked/usr/lib/fendo/fendo" | grep -i multimedia || e2e_fail "the program links Qt Multimedia"
package_start deb "$unpacked/usr/games/fendo"
package_stop
e2e_log "PASS"
