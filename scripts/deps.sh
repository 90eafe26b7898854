#!/usr/bin/env bash
# Installs the Debian packages the build needs, or says which ones are missing.
# Sourced by run.sh and test.sh; usage: ensure_packages [extra packages...]

# What the accessibility suite (tests/gui) needs: a private X server, session bus and accessibility bus,
# and Python's bindings to drive the program through them.
gui_test_packages=(xvfb dbus at-spi2-core python3-gi gir1.2-atspi-2.0)

ensure_packages() {
    local pkgs=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-svg-dev libjpeg62-turbo-dev libgtest-dev
                libbenchmark-dev libmuparser-dev clang libclang-rt-14-dev fonts-dejavu-core "$@")
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
