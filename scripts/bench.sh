#!/usr/bin/env bash
# Builds the benchmarks in Release and runs them once, briefly: the expression engines, then
# the plotter, then the start-up to an idle main window.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
. "$here/scripts/deps.sh"
ensure_packages build bench
build="$here/build-bench"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCALVORIN_BENCH=ON -DCALVORIN_TESTS=OFF >/dev/null
cmake --build "$build" --target expr_bench plot_bench startup_bench
"$build/bench/expr_bench" --benchmark_min_time="${BENCH_MIN_TIME:-0.3}" "$@"
"$build/bench/plot_bench" --benchmark_min_time="${BENCH_MIN_TIME:-0.3}"
"$build/bench/startup_bench" --benchmark_min_time="${BENCH_MIN_TIME:-0.3}"
