#!/usr/bin/env bash
# Installs what is needed, builds the Linux program and starts it. Without a display the
# program says so in one line (and how to start it under xvfb-run) and ends non-zero.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset native >/dev/null
cmake --build --preset native --target urlpush >/dev/null
exec build/native/bin/urlpush
