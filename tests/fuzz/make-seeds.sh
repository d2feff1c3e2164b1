#!/usr/bin/env bash
# Writes the seed corpus of the fuzz targets from real games: state texts that zavel-sim prints at every stage
# of seeded games (the deal, early, middle, late and finished games, two to four players, every level), the
# damaged forms of them that the reader must refuse or must still accept, and the card lists of their lines.
# The seeds are committed; run this again only when the state text changes:
#   tests/fuzz/make-seeds.sh [path/to/zavel-sim]
set -euo pipefail

HERE=$(cd "$(dirname "$0")" && pwd)
SIM=${1:-$HERE/../../build/tools/zavel-sim}
STATES=$HERE/corpus/state
CARDS=$HERE/corpus/cards
mkdir -p "$STATES" "$CARDS"
rm -f "$STATES"/seed-* "$CARDS"/seed-*

levels_for() {
    case $1 in
    2) echo "$2,$(( ($2 + 1) % 4 ))" ;;
    3) echo "$2,$(( ($2 + 1) % 4 )),$(( ($2 + 2) % 4 ))" ;;
    4) echo "$2,$(( ($2 + 1) % 4 )),$(( ($2 + 2) % 4 )),$(( ($2 + 3) % 4 ))" ;;
    esac
}

# Real games at every stage.
for players in 2 3 4; do
    for seed in 1 2 3; do
        "$SIM" deal --players "$players" --seed "$seed" > "$STATES/seed-deal-p$players-s$seed"
    done
    for level in 0 1 2 3; do
        levels=$(levels_for "$players" "$level")
        seed=$(( players * 10 + level ))
        for actions in 1 3 8 20 45; do
            "$SIM" play --players "$players" --seed "$seed" --levels "$levels" --max-actions "$actions" \
                > "$STATES/seed-play-p$players-s$seed-a$actions"
        done
        "$SIM" play --players "$players" --seed "$seed" --levels "$levels" --forgetful 0 \
            > "$STATES/seed-won-p$players-s$seed"
    done
done

# Damaged forms of one game in progress. line N of the text is replaced, removed or doubled.
base=$STATES/seed-play-p3-s31-a8
damage() { # name, then a sed program applied to the base text
    sed "$2" "$base" > "$STATES/seed-damaged-$1"
}
damage header-v2 '1s/.*/ZAVEL_STATE_V2/'
damage header-cr '1s/$/\r/'
damage blank-line '2i\\'
damage five-players '2s/^3 /5 /'
damage skip-2 '2s/^\(\([^ ]* \)\{6\}\)[^ ]*/\12/'
damage choice-3 '2s/^\(\([^ ]* \)\{7\}\)[^ ]*/\13/'
damage choice-minus-1 '2s/^\(\([^ ]* \)\{7\}\)[^ ]*/\1-1/'
damage eight-scalars '2s/ [^ ]*$//'
damage ten-scalars '2s/$/ 7/'
damage scalar-overflow '2s/^3 /3 2147483648 /'
damage flag-count '3s/^3 /4 /'
damage flags-missing '3s/ [^ ]*$//'
damage rng-prefix '4s/^RNG /RNG/'
damage rng-short '4s/ [^ ]*$//'
damage rng-word-too-big '4s/^RNG [^ ]*/RNG 4294967296/'
damage rng-index-large '4s/ [^ ]*$/ 4000000000/'
damage talon-prefix '5s/^T /T  /'
damage discard-missing '6d'
damage hands-swapped '7{h;d};8{G}'
damage hand-missing '$d'
damage extra-lines '$a\H3 0\ntrailing words'
printf '%s' "$(cat "$base")" > "$STATES/seed-damaged-no-final-newline"
damage count-33 '5s/^T [0-9]*/T 33/'
damage card-field-missing '7s/\(H0 [0-9]* [0-9]*,[0-9]*\),[-0-9]*/\1/'
# The first card of seat 1 becomes a copy of the first card of seat 0: one card twice, one missing.
awk 'NR == 7 { split($0, h0, " "); card = h0[3] } NR == 8 { $3 = card } { print }' "$base" \
    > "$STATES/seed-damaged-duplicate-card"
damage suit-4 '6s/ [0-9],\([0-9]*,[-0-9]*\)$/ 4,\1/'
damage card-removed '5s/^T \([0-9]*\) [^ ]*/T \1/'
damage crlf 's/$/\r/'
: > "$STATES/seed-damaged-empty"
LC_ALL=C awk 'BEGIN { for (i = 0; i < 4096; i++) printf "%c", (i * 131 + 7) % 256 }' > "$STATES/seed-damaged-binary"

# Card lists: every line of a few real texts, and the reader's edge cases.
n=0
for f in "$STATES"/seed-play-p4-s42-a20 "$STATES"/seed-won-p2-s21 "$STATES"/seed-deal-p3-s1; do
    sed -n '5,$p' "$f" | cut -d' ' -f2- | while IFS= read -r line; do
        n=$((n + 1))
        printf '%s' "$line" > "$CARDS/seed-$(basename "$f")-$(printf %02d $n)"
    done
done
edge() { printf '%b' "$2" > "$CARDS/seed-edge-$1"; }
edge empty ''
edge zero '0'
edge zero-then-words '0 3,14,1 junk'
edge letter 'x 1 0,7,-1'
edge count-33 '33 0,7,-1'
edge token-missing '2 0,7,-1'
edge field-missing '1 0,7'
edge two-blanks '1  3,14,1'
edge fourth-field '1 3,14,1,99'
edge empty-field '1 3,,14,1'
edge trailing-letter '1 3,14,1x'
edge tabs '2\t0,7,-1\n3,14,1'
edge negative-count '-1 0,7,-1'
edge wrapped-count '-18446744073709551615 0,7,-1'
edge int-limits '2 -2147483648,2147483647,0 2147483648,0,0'
edge plus-signs '1 +3,+14,+1'

