#!/usr/bin/env bash
# Builds the default preset and prints one table of the program's costs: a controller exchange
# against the simulated card and against the card of the PC's own (a radio on a pseudo-terminal,
# Hamlib's dummy rotator behind rotctld), orbit propagations by the station's own model and by SGP4,
# and a loop pass (host processor time, from the benchmark tool), a whole 15-minute pass replayed on
# the virtual clock, and the share of one core the program takes on the real clock tracking AO-7
# and waiting for it, headless and with the window, and headless on the card of the PC's own. The
# shares are read from /proc (user plus system time of the program's process) over a measured
# stretch that starts once start-up is over.
#   tools/bench.sh                 60 s for each share, the window offscreen
#   tools/bench.sh --seconds=10    a quicker check
#   tools/bench.sh --xvfb          the window also on a virtual X display (xvfb-run)
# Other builds or programs running at the same time make the shares noisier, not the measured
# process's own time larger; run it on a quiet machine all the same. It is not part of CI.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=60
xvfb=0
for arg in "$@"; do
    case "$arg" in
        --seconds=*) seconds="${arg#--seconds=}" ;;
        --xvfb) xvfb=1 ;;
        *) echo "usage: tools/bench.sh [--seconds=N] [--xvfb]" >&2; exit 2 ;;
    esac
done

readonly kWarmUpSeconds=8               # start-up (radio set-up, the window) is not measured
readonly kWaiting=2018-01-21T04:00:00   # AO-7 rises over the sample station at 04:26
readonly kTracking=2018-01-21T04:30:00  # and sets at 04:49

orvant="$PWD/build/orvant"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

row() { printf '| %-58s | %14s |\n' "$1" "$2"; }

# The benchmark tool's processor time per iteration of one benchmark, in microseconds.
micro() {
    build/orvant_bench "--benchmark_filter=^$1\$" --benchmark_format=csv 2>/dev/null |
        awk -F, -v name="\"$1\"" '$1 == name {
            f = ($5 == "ns") ? 0.001 : ($5 == "ms") ? 1000 : ($5 == "s") ? 1e6 : 1
            printf "%.2f us", $4 * f }'
}

# Wall and processor time per iteration of one benchmark, in microseconds.
wallAndCpu() {
    build/orvant_bench "--benchmark_filter=^$1\$" --benchmark_format=csv 2>/dev/null |
        awk -F, -v name="\"$1\"" '$1 == name {
            f = ($5 == "ns") ? 0.001 : ($5 == "ms") ? 1000 : ($5 == "s") ? 1e6 : 1
            printf "%.0f us (CPU %.0f us)", $3 * f, $4 * f }'
}

# A fresh copy of the sample station, so that runs never share settings.
station() {
    local dir="$scratch/$1"
    mkdir -p "$dir"
    cp -r examples/station/. "$dir"
    echo "$dir"
}

ticksOf() {  # user plus system clock ticks of a process
    sed 's/^.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'
}

# Share of one core the program takes once started, at real speed from local time $2; $1 is
# "headless", "offscreen" or "xvfb".
cpuShare() {
    local how="$1" from="$2" dir
    dir="$(station "$how-${from//:/}")"
    local card=(--sim)
    if [ "$how" = pccard ]; then
        # The FT-847 on a pseudo-terminal whose far end takes every byte, the dummy rotator.
        socat pty,raw,echo=0,link="$dir/cat1" pty,raw,echo=0,link="$dir/radio1" >/dev/null 2>&1 &
        rotctld -m 1 -T 127.0.0.1 -t 14573 >/dev/null 2>&1 &
        sleep 1
        cat "$dir/radio1" >/dev/null &
        card=("--cat1=$dir/cat1" --rotator=rotctld:127.0.0.1:14573)
    fi
    local args=("${card[@]}" "--real-clock=$from" "--until=$((kWarmUpSeconds + seconds + 3))"
        "--settings=$dir/settings" AO-7)
    (
        cd "$dir"
        case "$how" in
            headless | pccard) exec "$orvant" --headless "${args[@]}" ;;
            offscreen) QT_QPA_PLATFORM=offscreen exec "$orvant" "${args[@]}" ;;
            xvfb) exec xvfb-run -a sh -c 'echo $$ >pid; exec "$0" "$@"' "$orvant" "${args[@]}" ;;
        esac
    ) >"$dir/out" 2>&1 &
    local child=$! pid
    sleep "$kWarmUpSeconds"
    pid="$child"
    [ "$how" = xvfb ] && pid="$(cat "$dir/pid")"
    local t0 c0 t1 c1
    t0="$(date +%s.%N)"
    c0="$(ticksOf "$pid")"
    sleep "$seconds"
    c1="$(ticksOf "$pid")"
    t1="$(date +%s.%N)"
    wait "$child" || { echo "the $how run failed:" >&2; tail "$dir/out" >&2; exit 1; }
    [ "$how" = pccard ] && kill $(jobs -p) 2>/dev/null
    awk -v c="$((c1 - c0))" -v hz="$(getconf CLK_TCK)" -v t0="$t0" -v t1="$t1" \
        'BEGIN { printf "%.2f %%", 100 * c / hz / (t1 - t0) }'
}

# Processor and wall time of a whole pass of AO-7 replayed on the virtual clock.
replay() {
    local dir
    dir="$(station replay)"
    (cd "$dir" && /usr/bin/time -f '%U %S %e' -o "$dir/time" "$orvant" --headless --sim \
        --clock=2018-01-21T04:26:00 --until=900 "--settings=$dir/settings" AO-7 >/dev/null 2>&1)
    awk '{ printf "%.2f s (%.2f s wall)", $1 + $2, $3 }' "$dir/time"
}

main() {
    tools/install-deps.sh
    cmake --preset default >/dev/null
    cmake --build --preset default >/dev/null
    echo "Machine: $(lscpu | sed -n 's/^Model name: *//p'), $(nproc) cores; load $(cut -d' ' -f1-3 /proc/loadavg)"
    echo
    row "Measure" "Figure"
    row "---" "---"
    row "one laptop exchange against the simulated card (CPU)" "$(micro BM_LaptopExchange)"
    row "one laptop exchange, PC's own card, a CAT message (wall)" "$(wallAndCpu BM_PcCardCatExchange/real_time)"
    row "one laptop exchange, PC's own card, a new target (wall)" "$(wallAndCpu BM_PcCardPointExchange/real_time)"
    row "one orbit propagation, the station's own model (CPU)" "$(micro BM_OrbitStep)"
    row "one SGP4 propagation and look, ISS (CPU)" "$(micro BM_OrbitStepSgp4)"
    row "one SGP4 propagation, 12 h resonance a month on (CPU)" "$(micro BM_OrbitStepSgp4ResonantAMonthOn)"
    row "one loop pass while tracking, virtual clock (CPU)" "$(micro BM_LoopPassesTracking/iterations:20000)"
    row "15-minute pass replayed on the virtual clock (CPU)" "$(replay)"
    row "tracking, headless, ${seconds} s real clock (share of a core)" "$(cpuShare headless $kTracking)"
    row "waiting, headless, ${seconds} s real clock (share of a core)" "$(cpuShare headless $kWaiting)"
    row "tracking, headless, PC's own card, ${seconds} s (share of a core)" "$(cpuShare pccard $kTracking)"
    row "tracking, window offscreen, ${seconds} s (share of a core)" "$(cpuShare offscreen $kTracking)"
    row "waiting, window offscreen, ${seconds} s (share of a core)" "$(cpuShare offscreen $kWaiting)"
    if [ "$xvfb" = 1 ]; then
        row "tracking, window on xvfb, ${seconds} s (share of a core)" "$(cpuShare xvfb $kTracking)"
        row "waiting, window on xvfb, ${seconds} s (share of a core)" "$(cpuShare xvfb $kWaiting)"
    fi
}

# Read whole before it runs: a change to this file while it runs cannot garble the run.
main
