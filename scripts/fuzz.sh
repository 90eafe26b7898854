#!/usr/bin/env bash
# Builds the fuzz targets with clang (AddressSanitizer and UndefinedBehaviorSanitizer) and runs
# each for a while (FUZZ_SECONDS, 60 by default). Any crash, hang, leak or broken promise fails.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
. "$here/scripts/deps.sh"
ensure_packages
build="$here/build-fuzz"
seconds=${FUZZ_SECONDS:-60}

CXX=clang++ cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCALVORIN_FUZZ=ON >/dev/null
cmake --build "$build" --target fuzz_parser fuzz_infixa

status=0
for engine in parser infixa; do
    corpus="$build/corpus/$engine"
    artifacts="$build/findings/$engine/"
    mkdir -p "$corpus" "$artifacts"
    echo "== fuzz_$engine for ${seconds}s"
    if ! "$build/fuzz/fuzz_$engine" "$corpus" -dict="$here/fuzz/$engine.dict" \
            -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
            -artifact_prefix="$artifacts" -print_final_stats=1 2>"$build/fuzz_$engine.log"; then
        tail -n 60 "$build/fuzz_$engine.log"
        echo "fuzz_$engine found a fault; the input is in $artifacts" >&2
        status=1
    else
        grep -E "^stat::(number_of_executed_units|peak_rss_mb)|^#[0-9]+ *DONE" "$build/fuzz_$engine.log" || true
    fi
done
exit $status
