#!/usr/bin/env bash
# Formats every C++ source with .clang-format, in place: the same files that
# scripts/lint.sh --format checks. Tables fence their matrices with
# "// clang-format off" and "// clang-format on".
set -euo pipefail
cd "$(dirname "$0")/.."

folders=(engine tables windows frame app cli search tests bench fuzz tools)
find "${folders[@]}" \( -name '*.cpp' -o -name '*.h' \) -print | sort | xargs clang-format -i
