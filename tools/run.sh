#!/usr/bin/env bash
# Sets everything up, builds, and starts the program from its folder (build/bin/Impulsor).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cd build/bin/Impulsor
exec ./impulsor-cli "$@"
