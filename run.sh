#!/usr/bin/env bash
# Builds Calvorin and starts it in the current folder (where autoexec.cv1 is looked for).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/scripts/deps.sh"
ensure_packages build
cmake -S "$here" -B "$here/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$here/build" --target calvorin
exec "$here/build/calvorin" "$@"
