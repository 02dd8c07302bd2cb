#!/bin/sh
# Builds the libFuzzer targets with clang and runs each for SECONDS (default 60),
# one after the other, one process at a time, at low priority.
# Seeds come from the recording writer (kp-synth seeds); the corpus grows in
# build-fuzz/corpus/<target>, findings land in build-fuzz/findings/.
#   scripts/fuzz.sh [SECONDS] [TARGET...]
# A kept finding: minimise it with
#   build-fuzz/fuzz/fuzz_<target> -minimize_crash=1 -runs=10000 FILE
# and store the result under tests/fuzz_regressions/<target>/.
# Every run appends its statistics to build-fuzz/fuzz-<target>.log, so the
# time fuzzed adds up across runs: scripts/fuzz-totals.sh prints the sums.
# KP_FUZZ_NO_BUILD=1 skips the build and keeps the seeds (for a second chain
# of targets started beside a running one).
set -eu
cd "$(dirname "$0")/.."
SECONDS_PER_TARGET=${1:-60}
[ $# -gt 0 ] && shift
if [ "${KP_FUZZ_NO_BUILD:-0}" != 1 ]; then
    ./scripts/install-deps.sh
    CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DKP_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build build-fuzz
fi

TARGETS=${*:-$(ls build-fuzz/fuzz | sed -n 's/^fuzz_//p')}
SEEDS=build-fuzz/seeds
mkdir -p build-fuzz/findings
if [ "${KP_FUZZ_NO_BUILD:-0}" != 1 ] || [ ! -d "$SEEDS" ]; then
    rm -rf "$SEEDS"
    build-fuzz/tools/synth/kp-synth seeds "$SEEDS"
fi
for t in $TARGETS; do
    mkdir -p build-fuzz/corpus/$t
    cp -n "$SEEDS"/* build-fuzz/corpus/$t/
    echo "== fuzz_$t for ${SECONDS_PER_TARGET}s"
    # Inputs stay below 64 KiB, so no single allocation may come near 64 MiB:
    # a larger one means a count from the file went unchecked.
    run_log=fuzz-$t.run.log
    (cd build-fuzz && /usr/bin/time -f "cpu_seconds: %U user %S system" \
        nice -n 10 ./fuzz/fuzz_$t -max_total_time="$SECONDS_PER_TARGET" \
        -max_len=65536 -rss_limit_mb=2048 -malloc_limit_mb=64 -timeout=10 -dict=../fuzz/kp.dict \
        -artifact_prefix=findings/"$t"- -print_final_stats=1 corpus/$t \
        >"$run_log" 2>&1) || true
    summary=$(grep -E '^(stat::number|stat::peak|Done|cpu_seconds|==[0-9]+==ERROR|SUMMARY)' build-fuzz/$run_log | sort -u || true)
    { echo "== run $(date -u +%FT%TZ) ${SECONDS_PER_TARGET}s"; echo "$summary"; } >>build-fuzz/fuzz-$t.log
    echo "$summary"
done
ls build-fuzz/findings
