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
