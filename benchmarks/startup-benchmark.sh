#!/usr/bin/env bash
# Start-up cost of the program against a minimal Qt Widgets program (a main
# window with a menu bar), both started the same way in one run: under Xvfb
# with openbox, from a folder of their own, measured until their window is
# shown and has settled. The minimal window is measured twice: at the size the
# program's window opens with, which is the like-for-like yardstick (the goal
# is 1.3 at most), and at Qt's default size of a few hundred pixels, which
# shows what painting a full-size window costs any program. Prints the CPU time
# of each, the ratios, the program's resident memory, and its CPU time over
# 30 s of idling (which must be 0).
#   benchmarks/startup-benchmark.sh [build folder] [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
runs=${2:-10}

if [ -z "${HT57_UNDER_XVFB:-}" ]; then
    HT57_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build" "$runs"
fi

work=$(mktemp -d)
openbox_pid=""
pid=""
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    [ -n "$openbox_pid" ] && kill "$openbox_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

for f in ht57 minimal_window default.dat Program.ini Background.bmp logo.ico; do
    cp "$build/bin/$f" "$work/"
done
cp -r "$build/bin/translations" "$work/"
export QT_QPA_PLATFORM=xcb

openbox --sm-disable >/dev/null 2>&1 &
openbox_pid=$!
for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.1
done

# CPU time of every live thread of the process, in nanoseconds.
cpu_ns() {
    local total=0 t
    for t in /proc/"$1"/task/*/schedstat; do
        read -r run _ <"$t" 2>/dev/null || continue
        total=$((total + run))
    done
    echo "$total"
}

# CPU time of the whole process, threads that have ended included, in
# clock ticks.
cpu_ticks() {
    awk '{print $14 + $15}' /proc/"$1"/stat
}

# Starts a program (its name, the window title to wait for, then its
# arguments), waits for its shown window and a settled second, and keeps the
# CPU time it took in $measured and its window in $window; leaves it running
# in $pid.
start_measured() {
    local program=$1 title=$2
    shift 2
    "$work/$program" "$@" >/dev/null 2>&1 &
    pid=$!
    window=""
    for _ in $(seq 200); do
        window=$(xdotool search --onlyvisible --pid "$pid" --name "$title" 2>/dev/null | head -1) &&
            [ -n "$window" ] && break
        sleep 0.05
    done
    sleep 1
    measured=$(cpu_ns "$pid")
}

client_size() {
    xwininfo -id "$1" | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w "x" h}'
}

stop() {
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    pid=""
}

# A start that is not counted: it warms the file cache and tells the size the
# program's window opens with.
start_measured ht57 "Software"
program_size=$(client_size "$window")
stop

minimal_total=0
same_size_total=0
program_total=0
for run in $(seq "$runs"); do
    # Alternating, so all three see the same machine.
    start_measured minimal_window "Minimal Window"
    minimal_total=$((minimal_total + measured))
    minimal_size=$(client_size "$window")
    stop
    start_measured minimal_window "Minimal Window" -geometry "$program_size"
    same_size_total=$((same_size_total + measured))
    [ "$(client_size "$window")" = "$program_size" ] ||
        echo "warning: the minimal window opened at $(client_size "$window"), not $program_size" >&2
    stop
    start_measured ht57 "Software"
    program_total=$((program_total + measured))
    [ "$run" -lt "$runs" ] && stop
done

idle_before=$(cpu_ticks "$pid")
rss_kb=$(awk '/VmRSS/ {print $2}' /proc/"$pid"/status)
sleep 30
idle_after=$(cpu_ticks "$pid")
plugins=$(grep -o 'plugins/[^ ]*\.so' /proc/"$pid"/maps | sort -u | tr '\n' ' ')
stop

awk -v m="$minimal_total" -v s="$same_size_total" -v p="$program_total" -v n="$runs" \
    -v rss="$rss_kb" -v idle="$((idle_after - idle_before))" -v hz="$(getconf CLK_TCK)" \
    -v ps="$program_size" -v ms="$minimal_size" 'BEGIN {
    printf "minimal window, %-9s %.1f ms CPU to its shown window (mean of %d)\n", ms ":", m / n / 1e6, n
    printf "minimal window, %-9s %.1f ms CPU to its shown window (mean of %d)\n", ps ":", s / n / 1e6, n
    printf "ht57,           %-9s %.1f ms CPU to its shown window (mean of %d)\n", ps ":", p / n / 1e6, n
    printf "CPU ratio, same window size:    %.2f (goal <= 1.30)\n", p / s
    printf "CPU ratio, minimal at %-9s %.2f\n", ms ":", p / m
    printf "resident:       %.1f MB\n", rss / 1024
    printf "idle CPU, 30 s: %d ms (must be 0)\n", idle * 1000 / hz
}'
echo "plugins loaded: $plugins"
