#!/usr/bin/env bash
# Sets up, builds Tessaryn and its render tool in build/ (Release), and starts the program.
# Arguments go to the program (a sketch file to open).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DTESSARYN_TESTS=OFF >/dev/null
cmake --build build --target tessaryn tessaryn-render tessaryn-worksheet
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display: starting Tessaryn on a virtual X server (xvfb-run)." >&2
    exec xvfb-run -a build/app/tessaryn "$@"
fi
exec build/app/tessaryn "$@"
