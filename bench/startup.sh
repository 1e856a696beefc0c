#!/usr/bin/env bash
# Start-up time and peak memory of Tabrix against a minimal Qt Widgets program
# of the same shape (bench/minimal_qt.cpp), as whole processes on a virtual X
# display. Start-up time runs from launch until the main window is mapped,
# timed from outside by bench/map_time; peak memory is the maximum resident
# set size that /usr/bin/time reports. Runs alternate between the two
# programs, so both see the same load on a busy machine.
#
# usage: bench/startup.sh [BUILD_DIR] [RUNS]      (defaults: build, 9; RUNS >= 7)
#        TABRIX_BENCH_DISPLAY=52 bench/startup.sh …  (a given free display number)
# Needs: Xvfb, xdpyinfo, /usr/bin/time (scripts/deps.sh --with-bench) and the
# targets tabrix, minimal_qt and map_time built in BUILD_DIR.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
runs=${2:-9}
settle_ms=300
if [ "$runs" -lt 7 ]; then
    echo "startup.sh: at least 7 runs, for a meaningful median" >&2
    exit 2
fi
names=(Tabrix minimal_qt)
titles=(Tabrix minimal_qt)
programs=("$build/app/tabrix" "$build/bench/minimal_qt")
watch=$build/bench/map_time
for f in "${programs[@]}" "$watch"; do
    [ -x "$f" ] || { echo "startup.sh: $f is missing; build it first" >&2; exit 2; }
done

# A display of our own: the number in TABRIX_BENCH_DISPLAY (on a machine
# shared with others), else the first free number from 90.
display=${TABRIX_BENCH_DISPLAY:-90}
while [ -z "${TABRIX_BENCH_DISPLAY:-}" ] &&
      { [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; }; do
    display=$((display + 1))
done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
scratch=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$scratch"' EXIT
for _ in $(seq 100); do
    xdpyinfo -display ":$display" >/dev/null 2>&1 && break
    sleep 0.05
done
export DISPLAY=":$display"
unset QT_QPA_PLATFORM QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS WAYLAND_DISPLAY
export XDG_RUNTIME_DIR=$scratch

# One run of program i: appends "map_ms rss_kib" to $scratch/i.
measure() {
    local i=$1 out rss
    out=$("$watch" "${titles[$i]}" "$settle_ms" \
          /usr/bin/time -f %M -o "$scratch/rss" "${programs[$i]}")
    rss=$(tail -n 1 "$scratch/rss")
    echo "${out#map_ms } $rss" >>"$scratch/$i"
}

# One unmeasured run each fills the page and font caches.
measure 0; measure 1
rm -f "$scratch/0" "$scratch/1"
for r in $(seq "$runs"); do
    if [ $((r % 2)) -eq 1 ]; then measure 0; measure 1; else measure 1; measure 0; fi
done

# median min max of column c (1 time, 2 memory) of program i's runs.
stats() {
    cut -d' ' -f"$2" "$scratch/$1" | sort -g |
        awk '{v[NR] = $1} END {
            m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
            print m, v[1], v[NR]
        }'
}

echo "Machine: $(nproc) CPUs, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(free -g | awk '/^Mem:/ {print $2}') GiB; load average $(cut -d' ' -f1-3 /proc/loadavg)"
echo "Qt $(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo '?'), Xvfb 1280x1024x24, $runs runs each, interleaved"
echo
printf '%-12s %28s   %28s\n' "" "launch to window mapped (ms)" "peak resident memory (MiB)"
printf '%-12s %8s %9s %9s   %8s %9s %9s\n' program median min max median min max
declare -a time_median rss_median
for i in 0 1; do
    read -r tm tmin tmax < <(stats "$i" 1)
    read -r rm rmin rmax < <(stats "$i" 2)
    time_median[$i]=$tm
    rss_median[$i]=$rm
    awk -v n="${names[$i]}" -v a="$tm" -v b="$tmin" -v c="$tmax" -v d="$rm" -v e="$rmin" -v f="$rmax" \
        'BEGIN { printf "%-12s %8.1f %9.1f %9.1f   %8.1f %9.1f %9.1f\n", n, a, b, c, d / 1024, e / 1024, f / 1024 }'
done
awk -v t0="${time_median[0]}" -v t1="${time_median[1]}" -v r0="${rss_median[0]}" -v r1="${rss_median[1]}" 'BEGIN {
    tr = t0 / t1; rr = r0 / r1
    printf "%-12s %7.2fx %19s   %7.2fx\n", "ratio", tr, "", rr
    printf "goal: both ratios within 1.10x: start-up %s, memory %s\n",
           tr <= 1.1 ? "met" : "NOT met", rr <= 1.1 ? "met" : "NOT met"
}'
