#!/usr/bin/env bash
# Installs what is missing, builds everything warning-free and runs every test:
#   0. the static checks: cppcheck and the formatting first, clang-tidy (every
#      file not recorded clean since its last change, scripts/tidy.py) after
#      the normal build (scripts/lint.sh),
#   1. the normal build with the tests and the benchmarks (build/),
#   2. the same tests under AddressSanitizer, LeakSanitizer and UBSan (build-asan/),
#   3. a bounded run of every libFuzzer target (build-fuzz/, clang).
# `scripts/test.sh --quick` runs only the first.
set -euo pipefail
cd "$(dirname "$0")/.."

quick=false
[ "${1:-}" = "--quick" ] && quick=true
jobs="$(nproc)"
step() { printf '\n=== %s (%ss so far)\n' "$1" "$SECONDS"; }

scripts/deps.sh --with-tests

step "cppcheck and formatting"
scripts/lint.sh --cppcheck --format

step "normal build and tests"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTABRIX_WERROR=ON \
      -DBUILD_TESTING=ON -DTABRIX_BENCH=ON
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"
$quick && exit 0

step "clang-tidy"
scripts/lint.sh --tidy

step "sanitizer build and tests"
# Any finding stops the process with a non-zero status; leaks are reported
# when a test program exits. A suppression, should one be needed, goes into
# tests/lsan.supp with its reason.
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:detect_stack_use_after_return=1:strict_string_checks=1:check_initialization_order=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
# Line tables are all a sanitizer report needs (-g1), and -O1 is the level the
# sanitizers are tuned for; both shorten the compile of this stage. The
# monkey test's full run belongs to the normal build: here a shorter run per
# seed still drives every window through open, type and close under the checks.
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTABRIX_WERROR=ON \
      -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" \
      -DBUILD_TESTING=ON -DTABRIX_SANITIZE=ON -DTABRIX_BENCH=OFF
cmake --build build-asan -j"$jobs"
TABRIX_MONKEY_EVENTS=2000 ctest --test-dir build-asan --output-on-failure -j"$jobs"

step "fuzz targets, bounded runs"
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTABRIX_WERROR=ON \
      -DCMAKE_CXX_COMPILER=clang++ -DTABRIX_FUZZ=ON -DTABRIX_GUI=OFF -DTABRIX_BENCH=OFF \
      -DBUILD_TESTING=OFF
cmake --build build-fuzz -j"$jobs" --target fuzz_targets
ctest --test-dir build-fuzz -L fuzz --output-on-failure -j"$jobs"

step "done"
