#!/usr/bin/env bash
# Saves pictures of the program's windows to docs/ (all of them, or the ones named: main-window ...).
# Each starts the built program on a private X server and drives it through the accessibility tree.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
. "$here/scripts/deps.sh"
ensure_packages build test screenshots
build="$here/build"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target calvorin
PYTHONDONTWRITEBYTECODE=1 /usr/bin/python3 "$here/scripts/screenshots.py" "$build/calvorin" "$here/docs" "$@"
