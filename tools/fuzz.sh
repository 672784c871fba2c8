#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer)
# and runs each for a bounded time, seeded from the shipped files.
#   bash tools/fuzz.sh [SECONDS_PER_TARGET] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
targets=("$@")
((${#targets[@]})) || targets=(fuzz_lookup_value fuzz_series_file fuzz_design_file fuzz_session)

bash tools/install-deps.sh clang-14 libclang-rt-14-dev
CXX=clang++ cmake -S . -B build-fuzz -DIMPULSOR_FUZZ=ON -DIMPULSOR_BUILD_TESTS=OFF \
  -DIMPULSOR_BUILD_GUI=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]}"

seeds=build-fuzz/seeds
mkdir -p "$seeds"/{fuzz_lookup_value,fuzz_series_file,fuzz_design_file,fuzz_session}
cp Impulsor/data/*cores.txt "$seeds/fuzz_series_file/"
design=$'[INI_DATA]\r\nseries\t= KVZN-TH cores\r\ncore\t= KVZN1845-TH\r\nUmin\t= 200\r\nUnom\t= 300\r\nUmax\t= 350\r\nsetevoe\t= 0\r\nF\t= 100\r\nUmirror\t= 120\r\nUtrmax\t= 600\r\nj\t= 5\r\nRds\t= 3\r\nUnas\t= 1\r\nrds\t= 1\r\nIccm\t= 60\r\nko\t= 0.4\r\nstek\t= 1\r\ntamax\t= 55\r\ntdmax\t= 125\r\nRacdc\t= 1,1\r\npri_sec\t= 0\r\nU21\t= 12\r\nU22\t= \r\nU23\t= \r\nI21\t= 2\r\nI22\t= \r\nI23\t= \r\nUd1\t= 0,6\r\nUd2\t= \r\nUd3\t= \r\nw11\t= 247\r\nd11\t= 0,25\r\nd21\t= 0,475\r\nd22\t= \r\nd23\t= \r\nn11\t= 1\r\nn21\t= 3\r\nn22\t= \r\nn23\t= \r\n'
printf '%s' "$design" > "$seeds/fuzz_design_file/default.sav"
# The session reads the first byte as the design file's length in 16-byte steps.
{ printf '\x30'; printf '%s' "$design"; printf '\x00\x01\x0d\x02\x03\x04\x06'; } > "$seeds/fuzz_session/default"
for f in Impulsor/data/*cores.txt; do
  { printf 'KVZN1845-TH\nAL\n'; cat "$f"; } > "$seeds/fuzz_lookup_value/$(basename "$f")"
done

for t in "${targets[@]}"; do
  mkdir -p "build-fuzz/corpus/$t"
  echo "== $t for ${seconds}s"
  "build-fuzz/fuzz/$t" -max_total_time="$seconds" -print_final_stats=1 -max_len=120000 \
    -artifact_prefix="build-fuzz/$t-" "build-fuzz/corpus/$t" "$seeds/$t" 2>&1 |
    grep -E "^(#[0-9]+ +DONE|stat::number_of_executed_units|stat::peak_rss|==[0-9]+==ERROR|SUMMARY|artifact_prefix|Test unit written)" || true
  if ls "build-fuzz/$t-"* >/dev/null 2>&1; then echo "FINDING in $t"; exit 1; fi
done
