#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test through CTest.
# Set FENDO_PRESET=debug for the sanitizer build.
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${FENDO_PRESET:-release}
scripts/install-deps.sh build test package
cmake --preset "$preset" -DFENDO_BUILD_TESTS=ON -DFENDO_BUILD_E2E=ON >/dev/null
cmake --build --preset "$preset"
mkdir -p "${XDG_RUNTIME_DIR:=/tmp/fendo-runtime-$(id -u)}" && chmod 700 "$XDG_RUNTIME_DIR"
export XDG_RUNTIME_DIR
# The sanitizer build reports leaks; those of system libraries are not ours to mend.
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
ctest --preset "$preset" -j "$(nproc)"
