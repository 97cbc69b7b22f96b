#!/usr/bin/env bash
# Builds the program and replays a real pass of AO-7 over the sample station, headless on the
# simulated card, with orvant-tracker standing in for a tracking program:
#   tools/run-tracker-pass.sh [nova|wintrak|winorbit|wisp] [more program options]
# The tracker and the program share a private conversation folder made for this run.
set -euo pipefail
cd "$(dirname "$0")/.."

program=${1:-nova}
shift || true
case "$program" in
    nova | wintrak | winorbit | wisp) ;;
    *) echo "usage: $0 [nova|wintrak|winorbit|wisp] [program options]" >&2; exit 2 ;;
esac

tools/install-deps.sh
cmake --preset default
cmake --build --preset default

folder=$(mktemp -d)
chmod 700 "$folder"
cd examples/station
../../build/orvant-tracker --as="$program" --dde-dir="$folder" --elements=KEPS.TLE \
    --catalog=7530 --station=51.5,-0.1,20 --uplink=432150000 --downlink=145950000 &
tracker=$!
trap 'kill "$tracker" 2>/dev/null; wait "$tracker" 2>/dev/null; rm -rf "$folder"' EXIT
# The program starts once the tracker serves its socket.
for _ in $(seq 50); do
    [ -n "$(ls -A "$folder")" ] && break
    sleep 0.1
done
../../build/orvant --headless --sim --dde-dir="$folder" --clock=2018-01-21T04:20:00 --until=2100 \
    --settings="$PWD/../../build/sample-settings" "$@" "${program^^}"
