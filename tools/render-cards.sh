#!/usr/bin/env bash
# Renders the 32 card faces (the card in the Theme's colours and the artwork of qml/components/cardart.js) to
# qml/images/cards/<suit>_<rank>.png, 240x372. The PNGs are committed: the interface scales them to each
# card's size, so that no face is painted while the game runs. Run this after editing the artwork or the
# card's colours (Debian packages qmlscene, and xvfb when there is no display).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$root/qml/images/cards"
run=(env QT_QUICK_BACKEND=software qmlscene "$root/tools/render-cards.qml")
if [ -z "${DISPLAY:-}" ]; then
    run=(xvfb-run -a "${run[@]}")
fi
"${run[@]}"
ls "$root/qml/images/cards" | wc -l | xargs printf '%s card faces in qml/images/cards\n'
