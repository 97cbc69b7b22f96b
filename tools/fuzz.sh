#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer) and
# runs each for a bounded time.
#   tools/fuzz.sh [seconds-per-target] [extra libFuzzer options...]
# 0 seconds runs without a time limit (tools/fuzz-long.sh bounds the runs by count instead).
# Each target starts from its seeds in tests/fuzz/corpus/<target> and keeps what it learns in
# build-fuzz/corpus/<target>. An input that breaks an invariant or trips a sanitizer is left in
# build-fuzz/findings/<target>/ and the script fails.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-20}
shift $(($# > 0 ? 1 : 0))
targets=(station_files tracker_texts radio_readbacks controller_reply net_commands conversation_wire)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

status=0
for target in "${targets[@]}"; do
    work=build-fuzz/corpus/$target
    findings=build-fuzz/findings/$target
    mkdir -p "$work" "$findings"
    echo "== $target"
    started=$SECONDS
    if ! build-fuzz/tests/fuzz/fuzz_"$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$findings/" "$@" "$work" "tests/fuzz/corpus/$target" \
        >"build-fuzz/$target.log" 2>&1; then
        echo "$target: FAILED, see build-fuzz/$target.log and $findings/"
        status=1
    fi
    grep -E '^stat::(number_of_executed_units|peak_rss_mb)|^#[0-9]+.*DONE' \
        "build-fuzz/$target.log" || true
    echo "wall time: $((SECONDS - started)) s"
done
exit $status
