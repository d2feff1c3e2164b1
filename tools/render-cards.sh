#!/usr/bin/env bash
# Renders the 32 card faces (the card in the Theme's colours and the artwork of tools/cardart.js) to
# qml/images/cards/<suit>_<rank>.png, 240x372, and the four suit signs to qml/images/suits/<suit>.png, 256x256.
# The PNGs are committed: the interface scales them to each size it shows, so that nothing is painted while
# the game runs. Run this after editing the artwork or the
# card's colours (Debian packages qmlscene, and xvfb when there is no display).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$root/qml/images/cards" "$root/qml/images/suits"
run=(env QT_QUICK_BACKEND=software qmlscene "$root/tools/render-cards.qml")
if [ -z "${DISPLAY:-}" ]; then
    run=(xvfb-run -a "${run[@]}")
fi
"${run[@]}"
ls "$root/qml/images/cards" | wc -l | xargs printf '%s card faces in qml/images/cards\n'
ls "$root/qml/images/suits" | wc -l | xargs printf '%s suit signs in qml/images/suits\n'
