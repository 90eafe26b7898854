#!/usr/bin/env bash
# Renders the PNG icon sizes from the hand-drawn SVG. Run it after changing the SVG and commit
# the PNGs with it: the build only installs them.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
. "$here/scripts/deps.sh"
ensure_packages icons
icons="$here/packaging/icons"
id=io.github.calvorin.Calvorin
for size in 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" "$icons/$id.svg" -o "$icons/$id-$size.png"
done
