#!/usr/bin/env bash
# Installs, with apt-get, whichever of the named package groups' packages are
# missing. Fast when everything is there already: it only asks dpkg.
#   install-deps.sh build|test|package|bench|fuzz|format ...
set -euo pipefail

# The windows' font is cut from fonts-morisawa-bizud-gothic with fonttools' pyftsubset.
build=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-multimedia-dev libqt6multimedia6
       zlib1g-dev fonttools fonts-morisawa-bizud-gothic fonts-liberation fonts-dejavu-core)
# weston and qt6-wayland run the game as a Wayland client; fonts-ipafont-gothic is the
# Japanese font the game is compared with.
test=(libgtest-dev libgmock-dev libx11-dev xvfb xauth xdotool x11-utils imagemagick
      pulseaudio pulseaudio-utils weston qt6-wayland fonts-ipafont-gothic)
# Making the .deb and checking it and the desktop files.
package=(dpkg-dev fakeroot file lintian desktop-file-utils appstream)
bench=(libbenchmark-dev libsdl2-dev time libxtst-dev xvfb xauth)
fuzz=(clang libclang-rt-14-dev)
# The layout checker; pinned, since another version may lay out the same code otherwise.
format=(clang-format-14)

wanted=()
for group in "$@"; do
    case "$group" in
        build) wanted+=("${build[@]}") ;;
        test) wanted+=("${test[@]}") ;;
        package) wanted+=("${package[@]}") ;;
        bench) wanted+=("${bench[@]}") ;;
        fuzz) wanted+=("${fuzz[@]}") ;;
        format) wanted+=("${format[@]}") ;;
        *) echo "install-deps: unknown group '$group'" >&2; exit 2 ;;
    esac
done

missing=()
for package in "${wanted[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    [ "$status" = installed ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
