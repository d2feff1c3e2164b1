#ifndef ZAVEL_RANDOM_H
#define ZAVEL_RANDOM_H

// The game's only source of randomness is one std::mt19937 owned by GameCore and saved with the game.
// Restored games must continue with the same shuffles and computer choices, so the two procedures below are
// fixed to the bit. The standard library's uniform_int_distribution and shuffle cannot be used: libstdc++ draws
// bounded values by multiply-and-shift, which gives other sequences from the same engine state.

#include "card.h"

#include <cstdint>
#include <random>
#include <vector>

namespace Zavel {

// A value in 0..bound inclusive by rejection sampling with a division: outputs at or above
// (bound + 1) * floor(0xFFFFFFFF / (bound + 1)) are discarded.
std::uint32_t boundedDraw(std::mt19937 &rng, std::uint32_t bound);

// Shuffles in place; for lists under 65536 entries two positions are swapped per bounded draw.
void shuffleCards(std::vector<Card> &cards, std::mt19937 &rng);

} // namespace Zavel

#endif
