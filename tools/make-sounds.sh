#!/usr/bin/env bash
# Synthesises the game's short sound effects with sox into qml/sounds/*.wav: 22050 Hz, mono, 16 bits, each well
# under a second. Repeatable (-R) and without dither (-D), so that a rerun writes the same bytes; the WAV files are
# committed, this is their recipe. Run it after changing a sound (Debian package sox).
#
#   tools/make-sounds.sh
set -euo pipefail
out=$(cd "$(dirname "$0")/.." && pwd)/qml/sounds
mkdir -p "$out"
command -v sox > /dev/null || { echo "make-sounds.sh: sox is not installed (Debian package sox)" >&2; exit 1; }

make() {
    local name=$1
    shift
    sox -R -D -n -r 22050 -c 1 -b 16 "$out/$name.wav" "$@"
}

# A card put down: a short, dull slap of noise.
make play synth 0.07 pinknoise lowpass 2500 fade 0.002 0.07 0.05 gain -9
# A card drawn: a softer slide of noise.
make draw synth 0.12 brownnoise highpass 300 lowpass 3000 fade 0.03 0.12 0.06 gain -12
# A penalty: two low notes going down.
make penalty synth 0.14 triangle 330 : synth 0.18 triangle 247 fade 0 0.18 0.08 gain -9
# Zavél!: a bright call going up.
make zavel synth 0.28 sine 660-1040 fade 0.01 0.28 0.12 gain -8
# The pile shuffled into a new talon: a riffle of short bursts.
make shuffle synth 0.025 pinknoise pad 0 0.015 repeat 7 lowpass 4000 fade 0 0.3 0.05 gain -12
# A win: a rising major arpeggio.
make win synth 0.11 sine 523 : synth 0.11 sine 659 : synth 0.11 sine 784 : synth 0.3 sine 1047 fade 0 0.3 0.15 gain -8
# Another seat wins: a falling minor line.
make loss synth 0.16 triangle 392 : synth 0.16 triangle 311 : synth 0.36 triangle 262 fade 0 0.36 0.2 gain -9

ls -l "$out"/*.wav | awk '{ printf "%6d %s\n", $5, $NF }'
