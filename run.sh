#!/usr/bin/env bash
# Builds the game and opens its window. Installs only what building and playing need; ./test.sh adds the rest.
set -euo pipefail
source "$(dirname "$0")/tools/common.sh"

# Before anything is installed or built: without a display there is no window to open.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "run.sh: no display to open the game window on; run it under a virtual one (Debian package xvfb):" \
        "xvfb-run -a ./run.sh" >&2
    exit 1
fi

step "install missing Debian packages (build and play)" install_packages "${RUN_PACKAGES[@]}"
step "configure build/" configure "$BUILD_DIR"
step "build" build "$BUILD_DIR" --target harbour-zavel
echo "==> play"
exec "$BUILD_DIR/bin/harbour-zavel" "$@"
