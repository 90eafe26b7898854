#!/usr/bin/env bash
# Builds the benchmarks in Release and runs them once, briefly: the expression engines, then
# the plotter, then the start-up to an idle main window, then the start-up as the user sees it
# (exec to the main window mapped and first painted on a private X server, and peak memory, against
# Qt's hello world; the ratio of the mapping times is the last line).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
. "$here/scripts/deps.sh"
ensure_packages build bench
build="$here/build-bench"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCALVORIN_BENCH=ON -DCALVORIN_TESTS=OFF >/dev/null
cmake --build "$build" --target expr_bench plot_bench startup_bench calvorin bare_window mapped_bench
"$build/bench/expr_bench" --benchmark_min_time="${BENCH_MIN_TIME:-0.3}" "$@"
"$build/bench/plot_bench" --benchmark_min_time="${BENCH_MIN_TIME:-0.3}"
"$build/bench/startup_bench" --benchmark_min_time="${BENCH_MIN_TIME:-0.3}"

# A private X server without a window manager; it tells its display number on a pipe when ready.
display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -f "$display_file"' EXIT
for _ in $(seq 100); do
    [ -s "$display_file" ] && break
    sleep 0.05
done
[ -s "$display_file" ] || { echo "Xvfb did not start" >&2; exit 1; }
DISPLAY=":$(head -n1 "$display_file")" "$build/bench/mapped_bench" "$build/bench/bare_window" "$build/calvorin" \
    "${STARTUP_RUNS:-21}"
