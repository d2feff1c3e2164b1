#!/usr/bin/env bash
# Builds the libFuzzer programs with clang in build-fuzz/ and runs them.
#
#   tests/fuzz/fuzz.sh                    replay each corpus, then fuzz each target for 15 s (what test.sh runs)
#   tests/fuzz/fuzz.sh --seconds 7200     fuzz each target for two hours
#   tests/fuzz/fuzz.sh --seconds 7200 --keep
#                                         ... and merge what was found into tests/fuzz/corpus/ (commit it)
#   tests/fuzz/fuzz.sh --jobs 2           run both targets at once
#
# New inputs collect in build-fuzz/corpus/<target>/, so that a run never changes the committed corpus unless
# asked to; --keep adds only the inputs that reach new coverage. A crash or a broken property stops the run
# and leaves the input in build-fuzz/artifacts/; replay it with build-fuzz/tests/fuzz/fuzz_<target> FILE, fix
# the fault and copy the input into tests/fuzz/corpus/<target>/ so that it stays a regression test.
set -euo pipefail

HERE=$(cd "$(dirname "$0")" && pwd)
ROOT=$(cd "$HERE/../.." && pwd)
BUILD=$ROOT/build-fuzz
SECONDS_EACH=15
KEEP=0
JOBS=1

while [ $# -gt 0 ]; do
    case $1 in
    --seconds) SECONDS_EACH=$2; shift 2 ;;
    --keep) KEEP=1; shift ;;
    --jobs) JOBS=$2; shift 2 ;;
    *) echo "usage: $0 [--seconds N] [--keep] [--jobs J]" >&2; exit 2 ;;
    esac
done

if ! command -v clang++ > /dev/null; then
    echo "fuzz.sh: clang++ not found: install clang and libclang-rt-14-dev" >&2
    exit 1
fi

# Configured at every run, so that a changed option reaches the folder; the compiler is chosen when it is new.
mkdir -p "$BUILD"
generator=()
[ -f "$BUILD/CMakeCache.txt" ] || generator=(-G Ninja)
CXX=clang++ cmake -S "$ROOT" -B "$BUILD" "${generator[@]}" -DZAVEL_FUZZ=ON -DZAVEL_BUILD_TESTS=ON \
    -DZAVEL_BUILD_BENCHMARKS=OFF > "$BUILD/configure.log" 2>&1 || { cat "$BUILD/configure.log"; exit 1; }
cmake --build "$BUILD" --target fuzz_state fuzz_cards

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:symbolize=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

declare -A MAX_LEN=([state]=16384 [cards]=2048)

run_target() {
    local target=$1
    local work=$BUILD/corpus/$target
    local seeds=$HERE/corpus/$target
    local log=$BUILD/fuzz_$target.log
    mkdir -p "$work" "$BUILD/artifacts"
    if ! "$BUILD/tests/fuzz/fuzz_$target" -dict="$HERE/state.dict" -max_len="${MAX_LEN[$target]}" \
        -max_total_time="$SECONDS_EACH" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$BUILD/artifacts/$target-" "$work" "$seeds" > "$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz_$target: FAILED; the input is in $BUILD/artifacts/" >&2
        return 1
    fi
    local runs
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "fuzz_$target: $runs executions in $SECONDS_EACH s, $(ls "$seeds" | wc -l) seeds, no crash, every property held"
    if [ "$KEEP" = 1 ]; then
        "$BUILD/tests/fuzz/fuzz_$target" -merge=1 -max_len="${MAX_LEN[$target]}" "$seeds" "$work" \
            > "$BUILD/merge_$target.log" 2>&1
        echo "fuzz_$target: corpus now $(ls "$seeds" | wc -l) inputs"
    fi
}

if [ "$JOBS" -gt 1 ]; then
    run_target state & state_pid=$!
    run_target cards & cards_pid=$!
    status=0
    wait $state_pid || status=1
    wait $cards_pid || status=1
    exit $status
fi
run_target state
run_target cards
