#!/usr/bin/env bash
# Installs what is missing, builds everything warning-free and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh --with-tests
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTABRIX_WERROR=ON
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure -j"$(nproc)"
