#!/bin/sh
# Takes a picture of the Konstel launcher window into docs/konstel.png.
#
# The launcher runs under a virtual X server (xvfb-run, Debian package xvfb) from a prepared
# folder that holds an Impulsor sub-folder, as an installed design centre does, and draws its
# own window into the file (KONSTEL_SCREENSHOT) before it ends.
#
# Usage: tools/screenshot-konstel.sh [build folder]   (default: build)
# The Konstel target is built first if the program is missing.
set -eu

repo=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$repo/build"}
case $build in /*) ;; *) build="$PWD/$build" ;; esac
program="$build/bin/Konstel"
output="$repo/docs/konstel.png"

if [ ! -x "$program" ]; then
  [ -f "$build/CMakeCache.txt" ] || cmake -S "$repo" -B "$build"
  cmake --build "$build" --target Konstel
fi
command -v xvfb-run >/dev/null || { echo "xvfb-run is missing (apt-get install xvfb)" >&2; exit 1; }

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir -p "$stage/Impulsor"
printf '#!/bin/sh\n' > "$stage/Impulsor/Impulsor"
chmod +x "$stage/Impulsor/Impulsor"

mkdir -p "$repo/docs"
rm -f "$output"
(cd "$stage" && KONSTEL_SCREENSHOT="$output" \
  xvfb-run -a -s "-screen 0 1280x1024x24" "$program")
[ -s "$output" ] || { echo "no screenshot was written" >&2; exit 1; }
echo "$output"
