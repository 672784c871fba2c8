#!/usr/bin/env bash
# Sets everything up, builds, and runs every test: the normal build (with the windows, on
# Qt's offscreen platform) and the Qt-free libraries again under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build -j"$(nproc)" --output-on-failure

cmake -S . -B build-sanitize -DIMPULSOR_SANITIZE=ON -DIMPULSOR_BUILD_GUI=OFF \
  -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build-sanitize -j"$(nproc)"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-sanitize -j"$(nproc)" --output-on-failure
