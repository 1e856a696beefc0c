#!/usr/bin/env bash
# Static checks over every folder of code: cppcheck, the formatting against
# .clang-format, and clang-tidy with the checks in .clang-tidy. Exits non-zero
# on any finding.
#
# usage: scripts/lint.sh [--cppcheck] [--format] [--tidy | --tidy-all]    (none: the first three)
#
# --tidy covers the program's folders; --tidy-all adds the tests, benchmarks
# and tools. Those 47 files include most of Qt Test and Qt Widgets, and
# clang-tidy takes over ten minutes for them on two cores, so the test command
# runs --tidy and --tidy-all is run by hand before a change to them lands.
#
# scripts/test.sh runs cppcheck and the format check before it builds and
# clang-tidy after its normal build. clang-tidy reads build/compile_commands.json
# and Qt's generated headers there, so it builds build/ first if needed; a file
# that build/ does not compile (the benchmarks in a build without them) is
# skipped. scripts/format.sh applies the formatting.
set -euo pipefail
cd "$(dirname "$0")/.."

# Every folder that holds C++; keep scripts/format.sh's list the same.
folders=(engine tables windows frame app cli tests bench fuzz tools)

run_cppcheck=false run_format=false run_tidy=false tidy_skip='^(fuzz|tests|bench|tools)/'
[ $# -eq 0 ] && set -- --cppcheck --format --tidy
for option in "$@"; do
    case "$option" in
        --cppcheck) run_cppcheck=true ;;
        --format) run_format=true ;;
        --tidy) run_tidy=true ;;
        --tidy-all) run_tidy=true tidy_skip='^fuzz/' ;;
        *) echo "usage: $0 [--cppcheck] [--format] [--tidy | --tidy-all]" >&2; exit 2 ;;
    esac
done

sources() { find "${folders[@]}" \( -name '*.cpp' -o -name '*.h' \) -print | sort; }

if $run_cppcheck; then
    echo "--- cppcheck"
    # useStlAlgorithm: a plain loop over a handful of units reads better here
    #   than an algorithm with a lambda; it is advice, not a fault.
    # constVariable in unit_table.h: cppcheck takes the row of a 2-D array
    #   reference for a pointer; the row already is a const reference.
    # virtualCallInConstructor: a window sizes itself from its own sizeHint()
    #   while it is built; its own override is the one meant.
    cppcheck --enable=warning,style,performance,portability --std=c++20 --language=c++ \
             --library=qt -I . --inline-suppr --quiet --error-exitcode=1 \
             --suppress=missingIncludeSystem --suppress=useStlAlgorithm \
             --suppress=constVariable:engine/unit_table.h --suppress=virtualCallInConstructor \
             engine tables cli windows frame app fuzz
fi

if $run_format; then
    echo "--- clang-format"
    sources | xargs clang-format --dry-run --Werror
fi

if $run_tidy; then
    echo "--- clang-tidy"
    if [ ! -f build/compile_commands.json ] || [ ! -d build/windows/tabrix_windows_autogen ]; then
        cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTABRIX_WERROR=ON \
              -DBUILD_TESTING=ON -DTABRIX_BENCH=ON > /dev/null
        cmake --build build -j"$(nproc)" > /dev/null
    fi
    # The fuzz targets build only with clang's fuzzer flags; their code needs none.
    compiled=()
    for file in $(sources | grep '\.cpp$' | grep -Ev "$tidy_skip"); do
        grep -q "\"file\": \"$PWD/$file\"" build/compile_commands.json && compiled+=("$file")
    done
    printf '%s\n' "${compiled[@]}" |
        xargs -P"$(nproc)" -n4 clang-tidy -p build --quiet --warnings-as-errors='*' 2>/dev/null
    clang-tidy --quiet --warnings-as-errors='*' fuzz/*.cpp -- -std=c++20 -I. 2>/dev/null
fi
