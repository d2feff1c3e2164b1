#!/usr/bin/env bash
# Renders icons/harbour-zavel.svg to the four launcher sizes the phone uses. The PNGs are committed, so the
# build needs no SVG renderer; run this after editing the SVG (Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../icons"
for size in 86 108 128 172; do
    mkdir -p "${size}x${size}"
    rsvg-convert -w "$size" -h "$size" harbour-zavel.svg -o "${size}x${size}/harbour-zavel.png"
done
