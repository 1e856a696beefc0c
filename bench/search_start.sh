#!/usr/bin/env bash
# The desktop search's service as the desktop meets it: the first answer after
# the session bus starts it by activation, a later answer from the running
# service, and its peak memory after a few queries.
#
#   bench/search_start.sh BUILD_DIR [RUNS]
#
# Installs BUILD_DIR into a scratch prefix, then for each run starts a private
# session bus whose XDG_DATA_DIRS holds that prefix; search_client, already
# on the bus, times GetInitialResultSet ['5','km'] (activation and answer)
# and the same call again (answer only); then gdbus asks a few more queries
# and the service's VmHWM (peak resident memory) is read from /proc.
set -euo pipefail

build=${1:?usage: $0 BUILD_DIR [RUNS]}
runs=${2:-11}
client=$build/bench/search_client
if [ -z "${TABRIX_SEARCH_BENCH_INNER:-}" ]; then
    prefix=$(mktemp -d)
    trap 'rm -rf "$prefix"' EXIT
    cmake --install "$build" --prefix "$prefix" >/dev/null
    export XDG_DATA_DIRS="$prefix/share:${XDG_DATA_DIRS:-/usr/local/share:/usr/share}"
    results=$(mktemp)
    for _ in $(seq "$runs"); do
        TABRIX_SEARCH_BENCH_INNER=1 dbus-run-session -- "$0" "$build" 2>/dev/null >>"$results"
    done
    # Median, minimum and maximum of each column.
    printf '%-16s %8s %8s %8s   (%d runs)\n' "" median min max "$runs"
    column=1
    for name in first_answer_ms later_answer_ms peak_MiB; do
        cut -d' ' -f$column "$results" | sort -g | awk -v name=$name '
            { v[NR] = $1 }
            END { printf "%-16s %8.1f %8.1f %8.1f\n", name, v[int((NR + 1) / 2)], v[1], v[NR] }'
        column=$((column + 1))
    done
    rm -f "$results"
    exit 0
fi

call() {
    gdbus call --session --dest org.tabrix.Tabrix.Search --object-path /org/tabrix/Tabrix/Search \
        --method "$@" >/dev/null
}

read -r first later _ < <("$client")
for query in "5 oz" "100 kg" "760 torr" "5 km in mi" "72 F"; do call org.kde.krunner1.Match "$query"; done
call org.gnome.Shell.SearchProvider2.GetResultMetas "['Distance/9/10/5','Distance/9/1/5']"
pid=$(gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
    --method org.freedesktop.DBus.GetConnectionUnixProcessID org.tabrix.Tabrix.Search |
    sed 's/.*uint32 \([0-9]*\).*/\1/')
peak=$(awk '/^VmHWM:/ { print $2 }' "/proc/$pid/status")
awk -v a="$first" -v b="$later" -v p="$peak" 'BEGIN { printf "%.1f %.2f %.2f\n", a, b, p / 1024 }'
