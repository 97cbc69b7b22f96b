#!/usr/bin/env bash
# Installs what is missing, builds, and runs the program on the sample station with the
# simulated controller card: a real pass of AO-7 on a virtual clock in January 2018, from a few
# minutes before it rises to a few minutes after it sets. Extra arguments go to the program
# (for example another satellite name, or --trace=FILE).
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-deps.sh
cmake --preset default
cmake --build --preset default

args=(--sim --clock=2018-01-21T04:20:00 --until=2100 --settings="$PWD/build/sample-settings")
# The program opens its window when a desktop is present, and otherwise runs headless with
# status lines.
cd examples/station
exec ../../build/orvant "${args[@]}" "${@:-AO-7}"
