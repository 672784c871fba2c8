#!/usr/bin/env bash
# Sets everything up, builds, and starts the design program's window from its folder
# (build/bin/Impulsor, which holds the program, the series files and the help text).
# Without a display it says so and prints the command-line report of the same start-up
# design instead (arguments go to impulsor-cli then).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cd build/bin/Impulsor
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set): printing the command-line report instead of opening the window." >&2
  exec ./impulsor-cli "$@"
fi
exec ./Impulsor
