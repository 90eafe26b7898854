#!/usr/bin/env bash
# Builds the fuzz targets with clang (AddressSanitizer and UndefinedBehaviorSanitizer) and runs
# each for a while (FUZZ_SECONDS, 45 by default): the two expression engines, the number rules,
# the start-up script reader and the JPEG loader. Any crash, hang, leak or broken promise fails.
# The inputs kept in fuzz/regression and the seed pictures start each run.
# A long run counts executions instead: FUZZ_RUNS=10000000 FUZZ_TARGETS="script" scripts/fuzz.sh
# (the corpus in build-fuzz/corpus carries over from one run to the next).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
. "$here/scripts/deps.sh"
ensure_packages build fuzz
build="$here/build-fuzz"
seconds=${FUZZ_SECONDS:-45}
read -r -a targets <<<"${FUZZ_TARGETS:-parser infixa numbers script jpeg}"
if [ -n "${FUZZ_RUNS:-}" ]; then limit=(-runs="$FUZZ_RUNS"); what="$FUZZ_RUNS runs"
else limit=(-max_total_time="$seconds"); what="${seconds}s"; fi

CXX=clang++ cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCALVORIN_FUZZ=ON >/dev/null
cmake --build "$build" --target "${targets[@]/#/fuzz_}" jpeg_seeds
"$build/fuzz/jpeg_seeds" "$build/seeds/jpeg"
cp "$here"/resources/pictures/*.jpg "$build/seeds/jpeg/"

status=0
for target in "${targets[@]}"; do
    corpus="$build/corpus/$target"
    artifacts="$build/findings/$target/"
    mkdir -p "$corpus" "$artifacts"
    extra=()
    for dir in "$here/fuzz/regression/$target" "$build/seeds/$target"; do
        [ -d "$dir" ] && extra+=("$dir")
    done
    [ -f "$here/fuzz/$target.dict" ] && extra+=(-dict="$here/fuzz/$target.dict")
    echo "== fuzz_$target for $what"
    if ! "$build/fuzz/fuzz_$target" "$corpus" "${extra[@]}" \
            "${limit[@]}" -max_len=4096 -timeout=10 -rss_limit_mb=4096 -malloc_limit_mb=2048 \
            -artifact_prefix="$artifacts" -print_final_stats=1 2>"$build/fuzz_$target.log"; then
        tail -n 60 "$build/fuzz_$target.log"
        echo "fuzz_$target found a fault; the input is in $artifacts" >&2
        status=1
    else
        grep -E "^stat::(number_of_executed_units|peak_rss_mb)|^#[0-9]+ *DONE" "$build/fuzz_$target.log" || true
    fi
done
exit $status
