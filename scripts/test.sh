#!/usr/bin/env bash
# Installs what is needed, builds both targets and runs every test: natively, under the
# sanitizers, and the Windows build under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

run_preset() {
    echo "== $1"
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1"
    ctest --preset "$1"
}

run_preset native
run_preset asan

# The 32-bit Windows program is always built. Its tests run under 32-bit Wine where the
# kernel runs 32-bit processes; where it does not, the same suites run as a 64-bit build
# under 64-bit Wine.
echo "== windows"
cmake --preset windows >/dev/null
cmake --build --preset windows
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    ctest --preset windows
else
    echo "This kernel runs no 32-bit processes, so 32-bit Wine cannot start;" \
         "the Windows tests run as a 64-bit build under 64-bit Wine."
    # What needs no Wine still runs on the 32-bit build: its engine image's format and exports.
    ctest --preset windows -L no-wine
    run_preset windows-x64
fi
