#!/usr/bin/env bash
# Builds the benchmark programs in the release configuration and runs them in
# the build folder (so the files they write go to the disk of the build).
# Usage: tools/run_benchmarks.sh [--quick]   (--quick: a short minimum time,
# the one-million-line save once; the test command's mode)
set -euo pipefail
cd "$(dirname "$0")/.."
arguments=()
[ "${1:-}" = "--quick" ] && arguments=(--benchmark_min_time=0.01)

cmake --preset linux-release >/dev/null
cmake --build --preset linux-release -j "$(nproc)" --target save_bench create_bench >/dev/null
cd build/linux-release
./bench/save_bench "${arguments[@]}"
./bench/create_bench "${arguments[@]}"
