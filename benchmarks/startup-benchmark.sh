#!/usr/bin/env bash
# Start-up cost of the program against a minimal Qt Widgets program (a main
# window with a menu bar), both started the same way in one run: under Xvfb
# with openbox, from a folder of their own, measured until their window is
# shown and has settled. Prints the CPU time of each, their ratio (the goal is
# 1.3 at most), the program's resident memory, and its CPU time over 30 s of
# idling (which must be 0).
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

# Starts the program, waits for its shown window and a settled second, and
# keeps the CPU time it took in $measured; leaves it running in $pid.
start_measured() {
    "$work/$1" >/dev/null 2>&1 &
    pid=$!
    for _ in $(seq 200); do
        xdotool search --onlyvisible --pid "$pid" --name "$2" >/dev/null 2>&1 && break
        sleep 0.05
    done
    sleep 1
    measured=$(cpu_ns "$pid")
}

stop() {
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    pid=""
}

minimal_total=0
program_total=0
for run in $(seq "$runs"); do
    # Alternating, so both see the same machine.
    start_measured minimal_window "Minimal Window"
    minimal_total=$((minimal_total + measured))
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

awk -v m="$minimal_total" -v p="$program_total" -v n="$runs" -v rss="$rss_kb" \
    -v idle="$((idle_after - idle_before))" -v hz="$(getconf CLK_TCK)" 'BEGIN {
    printf "minimal window: %.1f ms CPU to its shown window (mean of %d)\n", m / n / 1e6, n
    printf "ht57:           %.1f ms CPU to its shown window (mean of %d)\n", p / n / 1e6, n
    printf "CPU ratio:      %.2f (goal <= 1.30)\n", p / m
    printf "resident:       %.1f MB\n", rss / 1024
    printf "idle CPU, 30 s: %d ms (must be 0)\n", idle * 1000 / hz
}'
echo "plugins loaded: $plugins"
