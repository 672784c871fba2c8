#!/usr/bin/env bash
# Takes a picture of the Impulsor main window, as it opens on the shipped data without a
# settings file, into docs/impulsor.png.
#
# The program runs under a virtual X server (xvfb-run, Debian package xvfb) in a temporary
# copy of its folder, and draws its own window into the file (IMPULSOR_SCREENSHOT) once the
# start-up design is shown, then ends.
#
# Usage: tools/screenshot-impulsor.sh [build folder]   (default: build)
# The Impulsor target is brought up to date first; JOBS sets the build's parallel jobs.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$repo/build"}
case $build in /*) ;; *) build="$PWD/$build" ;; esac
program="$build/bin/Impulsor/Impulsor"
output="$repo/docs/impulsor.png"

[[ -f "$build/CMakeCache.txt" ]] || cmake -S "$repo" -B "$build" >/dev/null
cmake --build "$build" --target Impulsor -j"${JOBS:-$(nproc)}" >/dev/null
command -v xvfb-run >/dev/null || { echo "xvfb-run is missing (apt-get install xvfb)" >&2; exit 1; }

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$build"/bin/Impulsor/*.txt "$stage"/

mkdir -p "$repo/docs"
rm -f "$output"
(cd "$stage" && IMPULSOR_SCREENSHOT="$output" \
  xvfb-run -a -s "-screen 0 1600x1000x24" "$program")
[[ -s "$output" ]] || { echo "no screenshot was written" >&2; exit 1; }
echo "$output"
