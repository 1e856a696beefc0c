#!/usr/bin/env bash
# Static checks over every folder of code: cppcheck, the formatting against
# .clang-format, and clang-tidy with the checks in .clang-tidy. Exits non-zero
# on any finding.
#
# usage: scripts/lint.sh [--cppcheck] [--format] [--tidy | --tidy-fresh]    (none: the first three)
#
# clang-tidy covers every folder. A full run takes over ten minutes on two
# cores, mostly in Qt's headers, so scripts/tidy.py remembers each file it
# passed with a hash of all it read (scripts/tidy-clean.txt) and checks again
# only what changed since; --tidy-fresh checks every file and leaves the record
# alone. Commit the record with the change that updates it.
#
# scripts/test.sh runs cppcheck and the format check before it builds and
# clang-tidy after its normal build. clang-tidy reads build/compile_commands.json
# and Qt's generated headers there, so it builds build/ first if needed.
# scripts/format.sh applies the formatting.
set -euo pipefail
cd "$(dirname "$0")/.."

# Every folder that holds C++; keep scripts/format.sh's list the same.
folders=(engine tables windows frame app cli search tests bench fuzz tools)

run_cppcheck=false run_format=false run_tidy=false tidy_options=()
[ $# -eq 0 ] && set -- --cppcheck --format --tidy
for option in "$@"; do
    case "$option" in
        --cppcheck) run_cppcheck=true ;;
        --format) run_format=true ;;
        --tidy) run_tidy=true ;;
        --tidy-fresh) run_tidy=true tidy_options=(--no-record) ;;
        *) echo "usage: $0 [--cppcheck] [--format] [--tidy | --tidy-fresh]" >&2; exit 2 ;;
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
             engine tables cli search windows frame app fuzz
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
    sources | grep '\.cpp$' | xargs scripts/tidy.py "${tidy_options[@]}"
fi
