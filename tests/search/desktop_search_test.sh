#!/usr/bin/env bash
# The desktop search as GNOME Shell and KRunner meet it: the project installed
# into a scratch prefix whose share is on XDG_DATA_DIRS, a private session bus
# that starts tabrix-search by activation, and gdbus calls from outside. The
# installed tabrix is replaced by a recorder, so that what the service starts
# is known without a display.
#
#   desktop_search_test.sh BUILD_DIR PREFIX
#
# Exit status 77 (skipped) when the bus or gdbus is missing.
set -uo pipefail

build=${1:?usage: $0 BUILD_DIR PREFIX}
prefix=${2:?usage: $0 BUILD_DIR PREFIX}

skip() { echo "SKIP: $*" >&2; exit 77; }
fail() { echo "FAIL: $*" >&2; exit 1; }
command -v dbus-run-session >/dev/null || skip "dbus-run-session missing (dbus-daemon)"
command -v gdbus >/dev/null || skip "gdbus missing (libglib2.0-bin)"

if [ -z "${TABRIX_SEARCH_INNER:-}" ]; then
    rm -rf "$prefix"
    cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install"
    cat >"$prefix/bin/tabrix" <<'EOF'
#!/bin/sh
line=$(printf '%s|' "$@")
printf '%s\n' "$line" >>"$0.started"
EOF
    export XDG_DATA_DIRS="$prefix/share:${XDG_DATA_DIRS:-/usr/local/share:/usr/share}"
    TABRIX_SEARCH_INNER=1 dbus-run-session -- "$0" "$build" "$prefix" || exit 1
    # The session's number format comes with the bus's environment. Qt takes
    # it from the locale's name, so the C library need not have it generated.
    LC_ALL=de_DE.UTF-8 TABRIX_SEARCH_INNER=de dbus-run-session -- "$0" "$build" "$prefix" || exit 1
    echo ok
    exit 0
fi

started="$prefix/bin/tabrix.started"
call() {
    gdbus call --session --dest org.tabrix.Tabrix.Search --object-path /org/tabrix/Tabrix/Search \
        --method "$@"
}
provider() { call "org.gnome.Shell.SearchProvider2.$1" "${@:2}"; }
# The names GNOME Shell shows for the ids of a query.
names() {
    local ids
    ids=$(provider GetInitialResultSet "$1") || fail "GetInitialResultSet $1"
    ids=${ids#(}
    ids=${ids%,)}
    [ "$ids" = "@as []" ] && return
    provider GetResultMetas "$ids" | grep -o "'name': <'[^']*'>" | sed "s/'name': <'\(.*\)'>/\1/"
}
count() { names "$1" | grep -c .; }

if [ "$TABRIX_SEARCH_INNER" = de ]; then
    names "['5','km','in','mi']" | grep -qx "3,106855961 mi" ||
        fail "de_DE: $(names "['5','km','in','mi']")"
    exit 0
fi

# The first call starts the service by activation.
names "['5','km']" | grep -qx "3.106855961 mi" || fail "5 km: $(names "['5','km']")"
[ "$(count "['5','km','in','mi']")" = 1 ] || fail "5 km in mi: $(names "['5','km','in','mi']")"
call org.kde.krunner1.Match "5 km in mi" | grep -q "'3.106855961 mi'" ||
    fail "KRunner: $(call org.kde.krunner1.Match "5 km in mi")"

# Words, a bare number, a value beyond a double, an unknown unit, bad input of
# every size: no result.
long=$(printf 'x%.0s' $(seq 100000))
many=$(printf "'5',%.0s" $(seq 3000))
for terms in "['hello']" "['5']" "['1e999','km']" "['5','zzqx']" "[]" "['']" \
    "['5','km$long']" "[${many}'km']" "['5','\\u0001km']" "['5\\u007f','km']"; do
    [ "$(count "$terms")" = 0 ] || fail "results for ${terms:0:60}: $(names "$terms" | head -3)"
done
[ "$(call org.kde.krunner1.Match "5 km$long" | head -c 200)" = "(@a(sssida{sv}) [],)" ] ||
    fail "KRunner answered a long query"

# Unknown ids show nothing and start nothing; a known one starts the program.
for id in "" "Distance/9/10/" "Distance/9/99/5" "Distance/0/10/5" "Nowhere/1/2/5" \
    "Distance/9/10/5$long" "Distance/9/10/1e999" "distance/9/10/5" "Distance/09/10/5"; do
    metas=$(provider GetResultMetas "['$id']")
    [ "$metas" = "(@aa{sv} [],)" ] || fail "metas for ${id:0:40}: ${metas:0:100}"
    provider ActivateResult "$id" "['5']" 0 >/dev/null || fail "ActivateResult ${id:0:40}"
    call org.kde.krunner1.Run "$id" "" >/dev/null || fail "Run ${id:0:40}"
done
provider LaunchSearch "[]" 0 >/dev/null
provider LaunchSearch "['$long']" 0 >/dev/null
provider ActivateResult "Distance/9/10/5" "['5','km']" 0 >/dev/null
provider LaunchSearch "['5','km']" 0 >/dev/null
for _ in $(seq 50); do
    [ "$(grep -c . "$started" 2>/dev/null)" -ge 2 ] && break
    sleep 0.1
done
sleep 0.3
expected='--open|Distance|--unit|9|--value|5|--to|10|
--find|5 km|'
[ "$(sort "$started")" = "$(printf '%s\n' "$expected" | sort)" ] ||
    fail "started: $(cat "$started" 2>/dev/null)"
call org.freedesktop.DBus.Peer.Ping >/dev/null || fail "the service did not survive"
