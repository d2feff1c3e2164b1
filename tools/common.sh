# Shared by run.sh and test.sh: named steps that fail loudly, Debian packages installed when missing, and the
# out-of-tree build in build/. Sourced, not run.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR="$ROOT/build"
SCRIPT_NAME=$(basename "$0")

# step "what" command...: runs the command, and on failure names the step and stops.
step() {
    local what=$1
    shift
    echo "==> $what"
    if ! "$@"; then
        echo "$SCRIPT_NAME: FAILED at step: $what" >&2
        exit 1
    fi
}

# The Debian packages the build, the tests and the game need.
PACKAGES=(
    cmake ninja-build g++ pkg-config
    qtbase5-dev qtbase5-dev-tools qtdeclarative5-dev qtdeclarative5-dev-tools qttools5-dev qttools5-dev-tools
    qml-module-qtquick2 qml-module-qtquick-window2 qml-module-qtquick-layouts qml-module-qtqml
    qml-module-qtgraphicaleffects qml-module-qttest
    libgl1-mesa-dri xvfb xauth
    desktop-file-utils rpm
    clang-format-14
    libbenchmark-dev
    clang libclang-rt-14-dev llvm
)

missing_packages() {
    local pkg
    for pkg in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}\n' "$pkg" 2>/dev/null | grep -q '^install ok installed$' || echo "$pkg"
    done
}

install_packages() {
    local missing
    missing=$(missing_packages)
    [ -z "$missing" ] && return 0
    echo "installing: $(echo $missing)"
    local sudo=
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    $sudo apt-get update -q && DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends $missing
}

configure() {
    local dir=$1
    shift
    if [ -f "$dir/build.ninja" ]; then
        return 0
    fi
    cmake -S "$ROOT" -B "$dir" -G Ninja "$@"
}

# build <dir> [cmake --build options...]
build() {
    cmake --build "$@"
}

# The sanitizer build: the whole test suite again, instrumented with AddressSanitizer and
# UndefinedBehaviorSanitizer (Qt itself is not instrumented). Any report fails the test that caused it; leaks
# inside Qt's and the graphics stack's own libraries are suppressed in tests/sanitizers/lsan.supp. The kill test,
# whose 200 kills the main build makes, makes 60 here, each start of its instrumented writer being slow.
ASAN_BUILD_DIR="$ROOT/build-asan"

sanitizer_suite() {
    configure "$ASAN_BUILD_DIR" -DZAVEL_SANITIZE=ON -DZAVEL_BUILD_BENCHMARKS=OFF || return 1
    build "$ASAN_BUILD_DIR" || return 1
    ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1 \
        LSAN_OPTIONS="suppressions=$ROOT/tests/sanitizers/lsan.supp:print_suppressions=0" \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ZAVEL_KILLS=60 \
        ctest --test-dir "$ASAN_BUILD_DIR" --output-on-failure -j2
}

# Fuzzing: the libFuzzer programs built with clang in build-fuzz/, each run over its corpus and then for 15 s.
fuzz_briefly() {
    if ! command -v clang++ > /dev/null; then
        echo "clang++ is not installed: fuzzing skipped"
        return 0
    fi
    "$ROOT/tests/fuzz/fuzz.sh" --seconds 15
}
