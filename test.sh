#!/usr/bin/env bash
# Builds everything and runs every check: the test suite, the C++ formatting, the tests again under the
# sanitizers, and a short fuzzing. Each check runs even when another failed; the failed ones are listed at the
# end, the exit status is non-zero if any failed, and the last line is CTest's summary of the main suite.
set -euo pipefail
source "$(dirname "$0")/tools/common.sh"

MAIN_LOG="$BUILD_DIR/main-suite.log"

main_suite() {
    rm -f "$MAIN_LOG"
    run_tests "$BUILD_DIR" 2>&1 | tee "$MAIN_LOG"
}

check_format() {
    local files
    files=$(cd "$ROOT" && find src tests tools bench -name '*.cpp' -o -name '*.h' | sort)
    (cd "$ROOT" && clang-format-14 --dry-run --Werror $files)
}

# These three stop the script when they fail: without the packages and the main build no test can run, and
# a build that does not compile is the first thing to mend anyway.
step "install missing Debian packages (build, play and test)" install_packages "${RUN_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
step "configure build/" configure "$BUILD_DIR" -DZAVEL_BUILD_TESTS=ON -DZAVEL_BUILD_BENCHMARKS=ON
step "build" build "$BUILD_DIR"

check "run the tests (build/)" main_suite
check "check C++ formatting (clang-format)" check_format
check "run the tests under AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/)" sanitizer_suite
check "fuzz the saved-game readers for 15 s each (build-fuzz/)" "$ROOT/tests/fuzz/fuzz.sh" --seconds 15

status=0
report_checks || status=1
echo "==> the main suite (build/):"
grep -E '^[0-9]+% tests passed' "$MAIN_LOG" | tail -n 1 || echo "no summary: CTest did not finish"
exit $status
