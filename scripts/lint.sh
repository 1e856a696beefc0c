#!/usr/bin/env bash
# Static checks: cppcheck, the formatting of the folders kept in clang-format
# style, and clang-tidy with the checks in .clang-tidy over engine/, tables/,
# cli/, windows/, frame/ and fuzz/. Exits non-zero on any finding.
# `--cppcheck` runs only cppcheck (a few seconds), as scripts/test.sh does.
# clang-tidy reads build/compile_commands.json and Qt's generated headers
# there, so it builds build/ first if needed (scripts/test.sh --quick does).
set -euo pipefail
cd "$(dirname "$0")/.."

cppcheckOnly=false
[ "${1:-}" = "--cppcheck" ] && cppcheckOnly=true

# Folders whose every file is formatted with .clang-format; the others are
# formatted file by file as they are touched.
formatted=(engine cli fuzz)

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

$cppcheckOnly && exit 0

echo "--- clang-format"
find "${formatted[@]}" -name '*.cpp' -o -name '*.h' | sort |
    xargs clang-format --dry-run --Werror

echo "--- clang-tidy"
if [ ! -f build/compile_commands.json ] || [ ! -d build/windows/tabrix_windows_autogen ]; then
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTABRIX_WERROR=ON > /dev/null
    cmake --build build -j"$(nproc)" > /dev/null
fi
find engine tables cli windows frame app -name '*.cpp' | sort |
    xargs -P"$(nproc)" -n4 clang-tidy -p build --quiet --warnings-as-errors='*' 2>/dev/null
# The fuzz targets build only with clang's fuzzer flags; their code needs none.
clang-tidy --quiet --warnings-as-errors='*' fuzz/*.cpp -- -std=c++20 -I. 2>/dev/null
