#!/usr/bin/env bash
# Installs what is missing, builds the release and makes the .deb and the
# .tar.gz in build/release/packages/, then lists what the .deb installs and
# shows what lintian says of it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh build package
cmake --preset release >/dev/null
cmake --build --preset release
out=build/release/packages
cpack --config build/release/CPackConfig.cmake -B "$out" >/dev/null
rm -rf "$out/_CPack_Packages"
for deb in "$out"/*.deb; do
    echo "$deb installs:"
    dpkg-deb -c "$deb" | awk '$NF !~ /\/$/ { print "  " substr($NF, 2) }'
    lintian "$deb" 2>&1 | grep -v 'root privileges' || echo "lintian: no remarks"
done
ls -l "$out"/*.tar.gz
