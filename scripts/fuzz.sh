#!/bin/sh
# Builds the libFuzzer targets with clang and runs each for SECONDS (default 60).
# Seeds come from the recording writer; findings land in build-fuzz/findings/.
#   scripts/fuzz.sh [SECONDS] [TARGET...]
set -eu
cd "$(dirname "$0")/.."
SECONDS_PER_TARGET=${1:-60}
[ $# -gt 0 ] && shift
./scripts/install-deps.sh
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DKP_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz

TARGETS=${*:-$(ls build-fuzz/fuzz | sed -n 's/^fuzz_//p')}
SEEDS=build-fuzz/seeds
mkdir -p "$SEEDS" build-fuzz/findings
if [ -x build-fuzz/tools/synth/kp-synth ]; then
    build-fuzz/tools/synth/kp-synth seeds "$SEEDS" >/dev/null 2>&1 || true
fi
for t in $TARGETS; do
    corpus=build-fuzz/corpus/$t
    mkdir -p "$corpus"
    cp -n "$SEEDS"/* "$corpus"/ 2>/dev/null || true
    echo "== fuzz_$t for ${SECONDS_PER_TARGET}s"
    build-fuzz/fuzz/fuzz_$t -max_total_time="$SECONDS_PER_TARGET" -rss_limit_mb=2048 -timeout=10 \
        -artifact_prefix=build-fuzz/findings/"$t"- -print_final_stats=1 "$corpus" 2>&1 \
        | grep -E '^(stat::|Done|==[0-9]+==ERROR|SUMMARY)' || true
done
