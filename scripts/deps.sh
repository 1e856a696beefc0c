#!/usr/bin/env bash
# Installs the Debian 12 packages Tabrix needs to build, run and test, when
# any is missing. Needs root or sudo.
set -euo pipefail

packages=(build-essential cmake pkg-config qt6-base-dev qt6-svg-dev libqt6svg6
          libgl-dev libgtest-dev libgmock-dev libbenchmark-dev)
if [ "${1:-}" = "--with-tests" ]; then
    packages+=(xvfb xauth)
fi

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
