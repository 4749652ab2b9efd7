#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh build
cmake --preset release -DFENDO_BUILD_TESTS=OFF >/dev/null
cmake --build --preset release
mkdir -p "${XDG_RUNTIME_DIR:=/tmp/fendo-runtime-$(id -u)}" && chmod 700 "$XDG_RUNTIME_DIR"
export XDG_RUNTIME_DIR
exec build/release/bin/fendo
