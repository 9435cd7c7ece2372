#!/usr/bin/env bash
# Builds the fuzzers (clang, address and undefined-behaviour sanitizers) and runs each in turn
# for the given seconds over its committed seeds; any finding fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
build=build-fuzz
fuzzers=(theme_readers passwords preferences high_scores bitmap registry saved_game)

if [ ! -f "$build/build.ninja" ]; then
    # Line tables are all a finding's stack trace needs.
    CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -gline-tables-only -DNDEBUG" -DZORV_FUZZ=ON >/dev/null
fi
cmake --build "$build" -j2 --target "${fuzzers[@]/#/fuzz_}"

export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export QT_QPA_PLATFORM=offscreen
for fuzzer in "${fuzzers[@]}"; do
    scratch="$build/corpus/$fuzzer"
    findings="$build/findings"
    mkdir -p "$scratch" "$findings"
    log="$build/fuzz_$fuzzer.log"
    if ! "$build/bin/fuzz_$fuzzer" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
        -artifact_prefix="$findings/$fuzzer-" "$scratch" "fuzz/corpus/$fuzzer" >"$log" 2>&1; then
        tail -n 40 "$log"
        echo "fuzz_$fuzzer: FINDING (input kept in $findings)"
        exit 1
    fi
    runs=$(grep -o 'Done [0-9]* runs' "$log" | tail -n 1 | grep -o '[0-9]*')
    echo "fuzz_$fuzzer: ${runs:-?} executions in ${seconds}s, no finding"
done
