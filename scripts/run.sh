#!/usr/bin/env bash
# Installs dependencies, builds, and starts the program: scripts/run.sh [--demo] [args...]
# Without a display it says so and runs the command-line front end instead.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
bash scripts/build.sh build
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] || [ "${QT_QPA_PLATFORM:-}" = offscreen ]; then
  exec build/src/gui/tallyscope "$@"
fi
echo "run: no display found (DISPLAY is not set); running the command-line front end instead." >&2
if [ $# -eq 0 ] || [ "$1" != "--demo" ]; then
  exec build/src/cli/tallyscope-cli "$@"
fi
exec build/src/cli/tallyscope-cli "$@" games
