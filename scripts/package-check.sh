#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a temporary root, validates what it installs for the
# desktop, and starts the unpacked program offscreen on a start-up script that ends it at once:
# it must leave with exit code 1 (the code of "fim"), within a minute.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
. "$here/scripts/deps.sh"
ensure_packages build package
# The build folder test.sh uses, configured the same: the program is built once for both.
build="$here/build"
id=io.github.calvorin.Calvorin

fail() {
    echo "package check: $*" >&2
    exit 1
}

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCALVORIN_TESTS=ON >/dev/null
cmake --build "$build" --target calvorin
rm -f "$build"/calvorin_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
debs=("$build"/calvorin_*_*.deb)
[ -f "${debs[0]}" ] || fail "cpack made no package"
deb=${debs[0]}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dpkg-deb -x "$deb" "$work/root"
for file in usr/bin/calvorin usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
        usr/share/icons/hicolor/scalable/apps/$id.svg usr/share/icons/hicolor/{48x48,64x64,128x128,256x256}/apps/$id.png; do
    [ -f "$work/root/$file" ] || fail "$file is missing from the package"
done
desktop-file-validate "$work/root/usr/share/applications/$id.desktop" || fail "the desktop entry is not valid"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/$id.metainfo.xml" >/dev/null ||
    fail "the AppStream file is not valid"
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libqt6gui6 libjpeg62-turbo qt6-translations-l10n; do
    grep -q "$lib" <<<"$depends" || fail "the package does not depend on $lib: $depends"
done

mkdir "$work/run"
printf 'nosplash\r\nfim\r\n' >"$work/run/autoexec.cv1"
code=0
(cd "$work/run" && QT_QPA_PLATFORM=offscreen timeout -k 5 60 "$work/root/usr/bin/calvorin") || code=$?
[ "$code" -eq 1 ] || fail "the unpacked program left with code $code instead of 1"
echo "package check passed: $(basename "$deb") ($depends)"
