#!/usr/bin/env bash
# Installs what is needed, builds the Linux program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset native >/dev/null
cmake --build --preset native >/dev/null
echo "The window is not built yet; the build and its tests are in place (scripts/test.sh)."
