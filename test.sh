#!/usr/bin/env bash
# Builds Calvorin with its tests and runs every test (windows run on Qt's offscreen platform).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/scripts/deps.sh"
ensure_packages build test
build="$here/build"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCALVORIN_TESTS=ON >/dev/null
cmake --build "$build"
ctest --test-dir "$build" --output-on-failure -j2
