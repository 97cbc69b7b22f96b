#!/usr/bin/env bash
# Memory soak: the program on the real clock, simulated card, sample station, serving one rotator
# client (rotctl) and one radio client (rigctl) that each send a command every second and connect
# afresh every 30 seconds, as gpredict does through a night. Prints the resident memory of the
# program once a minute and, at the end, its growth over the measured stretch and per hour.
#   tools/soak.sh                  an hour measured after 10 minutes of warm-up, headless
#   tools/soak.sh --minutes=N      measure N minutes (the budget is scaled to an hour)
#   tools/soak.sh --warm-up=M      M minutes of traffic before the measured stretch begins
#   tools/soak.sh --window         with the window (offscreen); --xvfb on a virtual X display
#   tools/soak.sh --program=PATH   another build of the program (default build/orvant)
# Exit status 1 when memory grew faster than the budget: 512 KB an hour. It is not part of CI
# (it takes as long as it measures); it needs Hamlib's rotctl and rigctl (libhamlib-utils).
set -euo pipefail
cd "$(dirname "$0")/.."

minutes=60
warmup=10
how=headless
orvant="$PWD/build/orvant"
for arg in "$@"; do
    case "$arg" in
        --minutes=*) minutes="${arg#--minutes=}" ;;
        --warm-up=*) warmup="${arg#--warm-up=}" ;;
        --window) how=offscreen ;;
        --xvfb) how=xvfb ;;
        --program=*) orvant="$(realpath "${arg#--program=}")" ;;
        *)
            echo "usage: tools/soak.sh [--minutes=N] [--warm-up=M] [--window | --xvfb]" \
                "[--program=PATH]" >&2
            exit 2
            ;;
    esac
done

readonly kBudgetKbPerHour=512
readonly kConnectionSeconds=30
scratch="$(mktemp -d)"
children=()
cleanup() {
    for pid in "${children[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT

rotPort=$((20000 + $$ % 20000))
rigPort=$((rotPort + 1))

# Starts the program on a copy of the sample station; its process id in $scratch/pid.
startProgram() {
    cp -r examples/station/. "$scratch"
    local seconds=$(((warmup + minutes + 2) * 60))
    local args=(--sim --real-clock=2018-01-21T04:30:00 "--until=$seconds"
        "--settings=$scratch/settings" "--rotctld=127.0.0.1:$rotPort"
        "--rigctld=127.0.0.1:$rigPort" AO-7)
    (
        cd "$scratch"
        case "$how" in
            headless) echo $BASHPID >pid; exec "$orvant" --headless "${args[@]}" ;;
            offscreen) echo $BASHPID >pid; QT_QPA_PLATFORM=offscreen exec "$orvant" "${args[@]}" ;;
            xvfb) exec xvfb-run -a sh -c 'echo $$ >pid; exec "$0" "$@"' "$orvant" "${args[@]}" ;;
        esac
    ) >"$scratch/out" 2>"$scratch/err" &
    children+=($!)
}

# One connection's commands: one a second, for the life of a connection, from the list given.
commandsEverySecond() {
    local n=0
    while [ "$n" -lt "$kConnectionSeconds" ]; do
        echo "${@:$((n % $# + 1)):1}"
        sleep 1
        n=$((n + 1))
    done
}

# A client of Hamlib ($1: rotctl or rigctl at port $2) that connects afresh for every round of
# the commands that follow.
client() {
    local program="$1" port="$2"
    shift 2
    while :; do
        commandsEverySecond "$@" | "$program" -m 2 -r "127.0.0.1:$port" >/dev/null 2>&1 || true
    done
}

residentKb() {
    awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"
}

main() {
    [ -x "$orvant" ] || { echo "build the program first (cmake --build build)" >&2; exit 2; }
    startProgram
    sleep 5
    local pid
    pid="$(cat "$scratch/pid")"
    [ -d "/proc/$pid" ] || { echo "the program did not start:" >&2; cat "$scratch/err" >&2; exit 1; }
    client rotctl "$rotPort" "P 180.0 30.0" p "P 183.5 31.0" p "P 186.0 32.5" p &
    children+=($!)
    client rigctl "$rigPort" "F 145950000" f "I 435150000" i "F 145951200" f "I 435148800" i &
    children+=($!)

    echo "Machine: $(nproc) cores; load $(cut -d' ' -f1-3 /proc/loadavg); the program $how"
    echo "minute  resident KB"
    local minute=0 first=0 last=0
    while [ "$minute" -le $((warmup + minutes)) ]; do
        [ -d "/proc/$pid" ] || { echo "the program ended early:" >&2; tail "$scratch/err" >&2; exit 1; }
        last="$(residentKb "$pid")"
        [ "$minute" -eq "$warmup" ] && first="$last"
        printf '%6d  %11d%s\n' "$minute" "$last" "$([ "$minute" -lt "$warmup" ] && echo '  (warm-up)')"
        minute=$((minute + 1))
        [ "$minute" -le $((warmup + minutes)) ] && sleep 60
    done
    awk -v a="$first" -v b="$last" -v m="$minutes" -v budget="$kBudgetKbPerHour" 'BEGIN {
        perHour = (b - a) * 60 / m
        printf "grew %d KB in %d minutes: %.0f KB an hour (budget %d KB)\n", b - a, m, perHour, budget
        exit perHour > budget }'
}

# Read whole before it runs: a change to this file while it runs cannot garble the run.
main
