#!/usr/bin/env bash
# A second start hands its request to the frame already running, over a
# session bus of this test's own, and ends; two starts at once give one frame;
# without a bus the program starts its own frame.
#
#   hand_off.sh TABRIX_BINARY
#
# Exit status 77 (skipped) when dbus-run-session or dbus-send is missing.
set -uo pipefail

tabrix=${1:?usage: $0 TABRIX_BINARY}
skip() { echo "SKIP: $*" >&2; exit 77; }
command -v dbus-run-session >/dev/null || skip "dbus-run-session missing (dbus-daemon)"
command -v dbus-send >/dev/null || skip "dbus-send missing (dbus-bin)"
if [ -z "${TABRIX_BUS_INNER:-}" ]; then
    TABRIX_BUS_INNER=1 exec dbus-run-session -- "$0" "$@"
fi
export QT_QPA_PLATFORM=offscreen

pids=()
cleanup() { for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done; wait 2>/dev/null; }
trap cleanup EXIT
failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }

bus() { dbus-send --session --print-reply --dest="$@" 2>&1; }
owner() {
    bus org.freedesktop.DBus /org/freedesktop/DBus org.freedesktop.DBus.GetConnectionUnixProcessID \
        string:org.tabrix.Tabrix | awk '/uint32/ { print $2 }'
}
wait_for_owner() {
    for _ in $(seq 100); do [ -n "$(owner)" ] && return 0; sleep 0.1; done
    return 1
}
alive() { kill -0 "$1" 2>/dev/null; }

# Two starts at once: one frame takes the name, the other hands over to it.
"$tabrix" --open distance &
first=$!
"$tabrix" --find torr &
second=$!
pids+=("$first" "$second")
wait_for_owner || fail "no frame took the name org.tabrix.Tabrix"
frame=$(owner)
other=$([ "$frame" = "$first" ] && echo "$second" || echo "$first")
for _ in $(seq 100); do alive "$other" || break; sleep 0.1; done
if alive "$other"; then
    fail "two frames run"
else
    wait "$other"
    status=$?
    [ "$status" -eq 0 ] || fail "the start that handed over ended with $status"
fi

# A later start hands over and ends at once; the frame runs on.
"$tabrix" --open pressure --unit torr --value 760
status=$?
[ "$status" -eq 0 ] || fail "--open with a frame running ended with $status"
alive "$frame" || fail "the frame ended"
[ "$(owner)" = "$frame" ] || fail "another process took the name"

# The frame reads what it is handed as the command line does.
reply=$(bus org.tabrix.Tabrix /org/tabrix/Tabrix org.tabrix.Tabrix.Open \
    string:Pressure string:zzqx string: string:)
[[ "$reply" == *org.tabrix.Tabrix.Error.BadName*'has no unit "zzqx"'* ]] ||
    fail "a bad unit handed over was not refused: $reply"
reply=$(bus org.tabrix.Tabrix /org/tabrix/Tabrix org.tabrix.Tabrix.Find string:oz)
[[ "$reply" == "method return"* ]] || fail "Find was not answered: $reply"

# A bad name never reaches the bus.
"$tabrix" --open pressure --unit zzqx 2>/dev/null
status=$?
[ "$status" -eq 2 ] || fail "a bad unit ended with $status, not 2"

# Without a session bus the program starts a frame of its own.
DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent "$tabrix" --open distance 2>/dev/null &
alone=$!
pids+=("$alone")
sleep 2
alive "$alone" || fail "without a bus, --open did not start a frame"

[ "$failed" -eq 0 ] && echo "hand-off as expected"
exit "$failed"
