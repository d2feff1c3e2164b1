# Shared by run.sh and test.sh: named steps, the Debian packages each script needs (installed when missing),
# and the out-of-tree builds in build/, build-asan/ and build-fuzz/. Sourced, not run.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR="$ROOT/build"
ASAN_BUILD_DIR="$ROOT/build-asan"
SCRIPT_NAME=$(basename "$0")

# What building the game and playing it need: the compiler, CMake and its generators (make for a plain
# `cmake -S . -B build`), Qt's development files and lrelease for the catalogue, and the QML modules the
# interface imports (QtQuick.LocalStorage keeps its data through Qt's SQLite driver; QtMultimedia plays the
# sounds).
RUN_PACKAGES=(
    cmake ninja-build make g++ pkg-config
    qtbase5-dev qtbase5-dev-tools qtdeclarative5-dev qttools5-dev-tools
    qml-module-qtquick2 qml-module-qtquick-window2 qml-module-qtquick-layouts qml-module-qtqml
    qml-module-qtgraphicaleffects qml-module-qtquick-localstorage libqt5sql5-sqlite qml-module-qtmultimedia
)

# What the tests add: lupdate's CMake support for the catalogue check, qmllint, Qt Quick Test's QML module, the
# desktop entry's validator and rpmspec for the install test, Xvfb and mesa's OpenGL drivers for the measurement
# scripts in tools/, clang-format, Google Benchmark, and clang with libFuzzer and llvm-symbolizer for the fuzzing.
TEST_PACKAGES=(
    qttools5-dev qtdeclarative5-dev-tools qml-module-qttest
    xvfb xauth libgl1-mesa-dri
    desktop-file-utils rpm
    clang-format-14
    libbenchmark-dev
    clang libclang-rt-14-dev llvm
)

FAILED_STEPS=()

# step "what" command...: a step that everything after it needs; on failure it names the step and stops.
step() {
    local what=$1
    shift
    echo "==> $what"
    "$@" && return 0
    echo "$SCRIPT_NAME: FAILED at step: $what" >&2
    exit 1
}

# check "what" command...: a step the later ones do not need; on failure it names the step, carries on, and
# report_checks lists it again at the end.
check() {
    local what=$1
    shift
    echo "==> $what"
    "$@" && return 0
    echo "$SCRIPT_NAME: FAILED: $what (carrying on with the other steps)" >&2
    FAILED_STEPS+=("$what")
}

# report_checks: lists the failed steps, if any; returns non-zero when a step failed.
report_checks() {
    if [ ${#FAILED_STEPS[@]} -eq 0 ]; then
        echo "==> every step passed"
        return 0
    fi
    echo "==> $SCRIPT_NAME: ${#FAILED_STEPS[@]} failed step(s):"
    printf '    %s\n' "${FAILED_STEPS[@]}"
    return 1
}

missing_packages() {
    local pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}\n' "$pkg" 2>/dev/null | grep -q '^install ok installed$' || echo "$pkg"
    done
}

# install_packages package...: installs those that are missing, as root or through sudo. Neither at hand, or
# the install failing, it prints one line naming the missing packages and the command, and fails.
install_packages() {
    if ! command -v dpkg-query > /dev/null; then
        echo "not a Debian system: make sure that what these Debian packages hold is installed: $*"
        return 0
    fi
    local missing
    missing=$(missing_packages "$@" | tr '\n' ' ')
    missing=${missing% }
    [ -z "$missing" ] && return 0
    local sudo=
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo > /dev/null; then
            echo "$SCRIPT_NAME: missing Debian packages, and neither root nor sudo to install them; as root, run:" \
                "apt-get install --no-install-recommends $missing" >&2
            return 1
        fi
        sudo=sudo
    fi
    echo "installing: $missing"
    # sudo resets the environment: env passes DEBIAN_FRONTEND on to apt-get, so that no package asks questions.
    if ! $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -q \
        || ! $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing; then
        echo "$SCRIPT_NAME: could not install the missing Debian packages; as root, run:" \
            "apt-get install --no-install-recommends $missing" >&2
        return 1
    fi
}

# configure <dir> [cmake options...]: configures the build folder every time, so that a changed option or
# script reaches a folder configured before (with nothing changed this is quick). The generator is chosen only
# for a new folder: CMake refuses to change it, and one configured by hand may use another.
configure() {
    local dir=$1
    shift
    local generator=()
    [ -f "$dir/CMakeCache.txt" ] || generator=(-G Ninja)
    cmake -S "$ROOT" -B "$dir" "${generator[@]}" "$@"
}

# build <dir> [cmake --build options...]
build() {
    cmake --build "$@"
}

# run_tests <dir> [environment...]: the folder's CTest suite (CTest 3.16 has no --test-dir: it runs inside).
run_tests() {
    local dir=$1
    shift
    (cd "$dir" && env "$@" ctest --output-on-failure -j2)
}

# The sanitizer build: the whole test suite again, instrumented with AddressSanitizer and
# UndefinedBehaviorSanitizer (Qt itself is not instrumented). Any report fails the test that caused it; leaks
# inside Qt's and the graphics stack's own libraries are suppressed in tests/sanitizers/lsan.supp. The kill test,
# whose 200 kills the main build makes, makes 60 here, each start of its instrumented writer being slow.
sanitizer_suite() {
    configure "$ASAN_BUILD_DIR" -DZAVEL_SANITIZE=ON -DZAVEL_BUILD_TESTS=ON -DZAVEL_BUILD_BENCHMARKS=OFF || return 1
    build "$ASAN_BUILD_DIR" || return 1
    run_tests "$ASAN_BUILD_DIR" \
        ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1 \
        LSAN_OPTIONS="suppressions=$ROOT/tests/sanitizers/lsan.supp:print_suppressions=0" \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ZAVEL_KILLS=60
}
