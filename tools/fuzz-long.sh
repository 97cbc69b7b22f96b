#!/usr/bin/env bash
# The long fuzz run: every target for a number of executions (1,000,000 unless told), with no
# time limit.
#   tools/fuzz-long.sh [executions-per-target]
set -euo pipefail
exec "$(dirname "$0")/fuzz.sh" 0 -runs="${1:-1000000}"
