#!/usr/bin/env bash
# One command for everything a fresh Debian 12 machine needs:
#   ./dev.sh play   installs what is missing, builds, starts the game
#   ./dev.sh test   installs what is missing, builds, runs the whole test suite
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake ninja-build g++ pkg-config libx11-dev libxcb1-dev qt6-base-dev qt6-svg-dev
          qt6-qpa-plugins fonts-noto-cjk libgtest-dev libgmock-dev libbenchmark-dev
          xvfb xdotool x11-apps x11-utils x11-xserver-utils imagemagick xclip xauth dbus-daemon
          dbus-bin ibus ibus-anthy ibus-mozc ibus-gtk3 fcitx5 fcitx5-anthy fcitx5-mozc
          fcitx5-frontend-qt6 fcitx5-frontend-gtk3 python3-gi gir1.2-gtk-3.0)

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${missing[@]}"
}

build() {
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHOLOMINA_WERROR=ON "$@"
    cmake --build build
}

case "${1:-}" in
play)
    install_missing
    build
    exec ./build/holomina
    ;;
test)
    install_missing
    build
    (cd build && ctest --output-on-failure -j "$(nproc)")
    # The same tests again, built with AddressSanitizer and UndefinedBehaviorSanitizer; a
    # report fails the test. The soak and the measurements stay with the optimised build above.
    export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizers/lsan.supp:print_suppressions=0"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DHOLOMINA_WERROR=ON \
        -DHOLOMINA_SANITIZE=ON
    cmake --build build-sanitize
    cd build-sanitize
    ctest --output-on-failure -j "$(nproc)" -LE "soak|measure"
    ;;
*)
    echo "usage: $0 play|test" >&2
    exit 2
    ;;
esac
