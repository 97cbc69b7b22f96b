#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite.
#   tools/run-tests.sh              the normal build (build/)
#   tools/run-tests.sh --sanitize   under AddressSanitizer and UndefinedBehaviorSanitizer
set -euo pipefail
cd "$(dirname "$0")/.."

preset=default
[ "${1:-}" = "--sanitize" ] && preset=sanitize

tools/install-deps.sh
cmake --preset "$preset"
cmake --build --preset "$preset"
ctest --preset "$preset"
