#!/usr/bin/env bash
# Drives the real program over the accessibility bus, as a screen reader does:
# a session bus, the AT-SPI registry, a virtual display, the program with
# accessibility on, and a client of the bus (atspi_walk.py) that sends keys
# and reads back what a reader would hear.
#
#   run_atspi_test.sh TABRIX_BINARY [CLIENT_SCRIPT [TABRIX_CONVERT]]
#
# Exit status 77 (skipped) when a tool it needs is missing.
set -uo pipefail

tabrix=${1:?usage: $0 TABRIX_BINARY [CLIENT_SCRIPT]}
client=${2:-$(dirname "$0")/atspi_walk.py}
convert=${3:-}
python=/usr/bin/python3

skip() { echo "SKIP: $*" >&2; exit 77; }
command -v dbus-run-session >/dev/null || skip "dbus-run-session missing (dbus-daemon)"
command -v Xvfb >/dev/null || skip "Xvfb missing (xvfb)"
command -v xdotool >/dev/null || skip "xdotool missing"
launcher=""
for candidate in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
    [ -x "$candidate" ] && launcher=$candidate && break
done
[ -n "$launcher" ] || skip "at-spi-bus-launcher missing (at-spi2-core)"
"$python" -c 'import pyatspi' 2>/dev/null || skip "pyatspi missing (python3-pyatspi)"

if [ -z "${TABRIX_ATSPI_INNER:-}" ]; then
    # A bus of our own, which ends with this script.
    TABRIX_ATSPI_INNER=1 exec dbus-run-session -- "$0" "$tabrix" "$client" "$convert"
fi

pids=()
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null; done
    wait 2>/dev/null
}
trap cleanup EXIT

# A free display, chosen by the server itself.
exec {displayfd}<> <(:)
Xvfb -displayfd "$displayfd" -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
read -r -t 10 -u "$displayfd" display || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$display"

"$launcher" --launch-immediately >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 50); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
        >/dev/null 2>&1 && break
    sleep 0.1
done

# In a sanitizer build: libxkbcommon-x11 hands strndup() a keymap name that is
# not NUL-terminated, with its length, which is correct C but trips
# strict_string_checks; only the X11 connection the test needs takes that path.
if [ -n "${ASAN_OPTIONS:-}" ]; then
    export ASAN_OPTIONS="$ASAN_OPTIONS:strict_string_checks=0"
fi

log=$(mktemp)
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 LC_ALL=C.UTF-8 \
    "$tabrix" >"$log" 2>&1 &
tabrix_pid=$!
pids+=("$tabrix_pid")

"$python" "$client" --pid "$tabrix_pid" --convert "$convert"
status=$?
if [ "$status" -ne 0 ] && [ -s "$log" ]; then
    echo "--- the program's output:" >&2
    tail -n "${TABRIX_ATSPI_LOG_LINES:-20}" "$log" >&2
fi
rm -f "$log"
exit "$status"
