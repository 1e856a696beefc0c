#!/usr/bin/env bash
# Static checks: cppcheck, the formatting of the folders kept in clang-format
# style, and clang-tidy with the checks in .clang-tidy. Exits non-zero on any
# finding. `--cppcheck` runs only cppcheck (a few seconds), as scripts/test.sh
# does; `TABRIX_GUI=ON scripts/lint.sh` also runs clang-tidy over windows/
# and frame/ (slow: Qt's headers, and a build for the generated sources).
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
cppcheck --enable=warning,style,performance,portability --std=c++20 --language=c++ \
         -I . --inline-suppr --quiet --error-exitcode=1 \
         --suppress=missingIncludeSystem --suppress=useStlAlgorithm \
         --suppress=constVariable:engine/unit_table.h \
         engine tables cli fuzz

$cppcheckOnly && exit 0

echo "--- clang-format"
find "${formatted[@]}" -name '*.cpp' -o -name '*.h' | sort |
    xargs clang-format --dry-run --Werror

echo "--- clang-tidy"
cmake -S . -B build-tidy -DCMAKE_EXPORT_COMPILE_COMMANDS=ON -DTABRIX_BENCH=OFF \
      -DTABRIX_GUI="${TABRIX_GUI:-OFF}" > /dev/null
# Qt's generated sources (moc, autogen) need a build before they exist.
if [ "${TABRIX_GUI:-OFF}" = ON ]; then cmake --build build-tidy -j"$(nproc)" > /dev/null; fi
folders=(engine tables cli)
[ "${TABRIX_GUI:-OFF}" = ON ] && folders+=(windows frame)
sources=$(find "${folders[@]}" -name '*.cpp' | sort)
printf '%s\n' $sources | xargs -P"$(nproc)" -n4 clang-tidy -p build-tidy --quiet --warnings-as-errors='*' 2>/dev/null
# The fuzz targets build only with clang's fuzzer flags; their code needs none.
clang-tidy --quiet --warnings-as-errors='*' fuzz/*.cpp -- -std=c++20 -I. 2>/dev/null
