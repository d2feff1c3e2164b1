#!/usr/bin/env bash
# Builds the game and plays one game between computer seats, printing every move.
set -euo pipefail
source "$(dirname "$0")/tools/common.sh"

step "install missing Debian packages" install_packages
step "configure build/" configure "$BUILD_DIR"
step "build" build "$BUILD_DIR"
step "deal a new game" "$BUILD_DIR/tools/zavel-sim" deal --players 4 --seed 0
