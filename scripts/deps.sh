#!/usr/bin/env bash
# Installs the Debian 12 packages Tabrix needs to build, run and test, when
# any is missing. Needs root or sudo.
set -euo pipefail

# What a plain configure needs: the two programs.
packages=(build-essential cmake pkg-config qt6-base-dev qt6-svg-dev libqt6svg6 libqt6dbus6 libgl-dev)
for option in "$@"; do
    case "$option" in
        # The tests also check the desktop file, the AppStream data and the
        # manuals; clang and its runtime libraries build the libFuzzer
        # targets; clang-format, clang-tidy and cppcheck are the static
        # checks. The test command builds the benchmarks too. The session
        # bus, the AT-SPI registry, its Python client and xdotool drive the
        # program as a screen reader does (tests/atspi/); the bus and
        # dbus-send check the hand-off to a running frame (tests/programs/),
        # and gdbus asks the desktop search's service as GNOME Shell does
        # (tests/search/).
        --with-tests) packages+=(libgtest-dev libgmock-dev libbenchmark-dev
                                 xvfb xauth desktop-file-utils appstream groff-base
                                 dbus-daemon dbus-bin libglib2.0-bin at-spi2-core python3-pyatspi xdotool
                                 clang libclang-rt-14-dev clang-format clang-tidy cppcheck) ;;
        # cpack's Debian generator: dpkg-shlibdeps finds the dependencies.
        --with-package) packages+=(dpkg-dev file) ;;
        # bench/startup.sh and the command-line timing in bench/README.md.
        --with-bench) packages+=(libbenchmark-dev xvfb xauth xdotool time hyperfine) ;;
        *) echo "usage: $0 [--with-tests] [--with-package] [--with-bench]" >&2; exit 2 ;;
    esac
done

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
