#!/bin/sh
# tabrix-convert as a script meets it: a value not read whole converts as what
# was read, with one note on standard error and the usual exit status; with
# --strict it is refused with status 2 and nothing on standard output.
set -u
program=$1
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

"$program" distance mi 1 --tsv >"$work/expected" 2>/dev/null || fail "1 mile"
"$program" distance mi 1,5 --tsv >"$work/out" 2>"$work/err"
[ $? -eq 0 ] || fail "exit status for 1,5"
cmp -s "$work/expected" "$work/out" || fail "output for 1,5 differs from 1"
[ "$(cat "$work/err")" = 'tabrix-convert: note: read "1,5" as 1' ] || fail "note: $(cat "$work/err")"

"$program" distance mi 1,5 --tsv --strict >"$work/out" 2>"$work/err"
[ $? -eq 2 ] || fail "exit status with --strict"
[ ! -s "$work/out" ] || fail "output with --strict"
[ "$(cat "$work/err")" = 'tabrix-convert: error: read "1,5" as 1' ] || fail "error: $(cat "$work/err")"
echo ok
