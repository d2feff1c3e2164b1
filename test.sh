#!/usr/bin/env bash
# Builds everything and runs the whole test suite; ends with CTest's summary line.
set -euo pipefail
source "$(dirname "$0")/tools/common.sh"

check_format() {
    local files
    files=$(cd "$ROOT" && find src tests tools bench -name '*.cpp' -o -name '*.h' | sort)
    (cd "$ROOT" && clang-format-14 --dry-run --Werror $files)
}

step "install missing Debian packages" install_packages
step "configure build/" configure "$BUILD_DIR"
step "build" build "$BUILD_DIR"
step "check C++ formatting (clang-format)" check_format
step "run the tests under AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/)" sanitizer_suite
step "fuzz the saved-game readers (build-fuzz/)" fuzz_briefly
step "run the tests" ctest --test-dir "$BUILD_DIR" --output-on-failure -j2
