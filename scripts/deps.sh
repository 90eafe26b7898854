#!/usr/bin/env bash
# Installs the Debian packages a script needs, or says which ones are missing.
# Sourced by run.sh, test.sh and the scripts here; usage: ensure_packages GROUP...
declare -A package_groups=(
    # qt6-translations-l10n: Qt's standard dialogs in the user's language
    [build]="cmake ninja-build g++ pkg-config qt6-base-dev qt6-svg-dev qt6-translations-l10n libjpeg62-turbo-dev fonts-dejavu-core"
    # the accessibility suite (tests/gui): a private X server, session bus and accessibility bus,
    # and Python's bindings to drive the program through them
    [test]="libgtest-dev xvfb dbus at-spi2-core python3-gi gir1.2-atspi-2.0"
    [fuzz]="clang libclang-rt-14-dev"
    [bench]="libbenchmark-dev libmuparser-dev libxcb1-dev libxcb-damage0-dev xvfb"
    [package]="dpkg-dev desktop-file-utils appstream"
    [icons]="librsvg2-bin"
    [screenshots]="imagemagick"
)

ensure_packages() {
    local pkgs=() group group_pkgs
    for group in "$@"; do
        if [ -z "${package_groups[$group]:-}" ]; then
            echo "unknown package group: $group" >&2
            exit 1
        fi
        read -ra group_pkgs <<<"${package_groups[$group]}"
        pkgs+=("${group_pkgs[@]}")
    done
    local missing=()
    for p in "${pkgs[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -eq 0 ]; then
        echo "Installing: ${missing[*]}"
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -qq && apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null || {
            echo "apt-get install failed" >&2
            exit 1
        }
    else
        echo "Missing packages. Install them with:"
        echo "  sudo apt-get install ${missing[*]}"
        exit 1
    fi
}
