#!/usr/bin/env bash
# Builds and runs the benchmark suite (Release), printing median times of repeated runs.
#   bash tools/bench.sh [extra Google Benchmark flags]
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DIMPULSOR_BENCHMARKS=ON \
  -DIMPULSOR_BUILD_TESTS=OFF -DIMPULSOR_BUILD_GUI=OFF >/dev/null
cmake --build build-bench -j"$(nproc)" --target impulsor_bench >/dev/null
# Benchmarks with argument /0 run the program's fast evaluation, /1 the plain step-by-step one.
build-bench/bench/impulsor_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  --benchmark_format=json "$@" >build-bench/bench.json
python3 - build-bench/bench.json <<'PY'
import json, sys
runs = [b for b in json.load(open(sys.argv[1]))["benchmarks"] if b.get("aggregate_name") == "median"]
median = {b["run_name"]: b for b in runs}
print(f"{'benchmark (median of 5)':48} {'time':>12}")
for name, b in median.items():
    print(f"{name:48} {b['real_time']:>9.3f} {b['time_unit']:>2}")
print()
for name in median:
    if name.endswith("/0") and name[:-2] + "/1" in median:
        fast, plain = median[name]["real_time"], median[name[:-2] + "/1"]["real_time"]
        print(f"{name[:-2]:48} plain/fast = {plain / fast:5.1f}")
PY
