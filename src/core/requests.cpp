// The suit or rank a computer player requests after its Upper or Lower: the one its remaining hand holds most
// of, with ordinary cards weighing more than special ones at the stronger levels.

#include "gamecore.h"

#include "random.h"

#include <array>

namespace Zavel {

namespace {

int suitWeight(int rank, AiDifficulty difficulty)
{
    if (difficulty != AiDifficulty::Normal && difficulty != AiDifficulty::Hard)
        return 1;
    if (isSpecialRank(rank))
        return 1;
    if (difficulty == AiDifficulty::Hard && (rank == Ten || rank == King))
        return 4;
    return 3;
}

int rankWeight(int rank, AiDifficulty difficulty)
{
    if (difficulty != AiDifficulty::Normal && difficulty != AiDifficulty::Hard)
        return 1;
    if (isSpecialRank(rank))
        return 1;
    return difficulty == AiDifficulty::Hard ? 4 : 3;
}

// Index of the highest tally; a later entry wins only with a strictly higher one, so ties go to the lowest.
template<std::size_t N> int highestTally(const std::array<int, N> &tallies)
{
    std::size_t best = 0;
    for (std::size_t i = 1; i < N; ++i) {
        if (tallies[i] > tallies[best])
            best = i;
    }
    return static_cast<int>(best);
}

} // namespace

int GameCore::bestSuitRequest(int player, AiDifficulty difficulty)
{
    if (difficulty == AiDifficulty::Random)
        return static_cast<int>(boundedDraw(rng, SuitCount - 1));
    std::array<int, SuitCount> tallies{};
    for (const Card &card : hand(player)) {
        if (validSuit(card.suit))
            tallies[static_cast<std::size_t>(card.suit)] += suitWeight(card.rank, difficulty);
    }
    return highestTally(tallies);
}

int GameCore::bestRankRequest(int player, AiDifficulty difficulty)
{
    if (difficulty == AiDifficulty::Random)
        return Seven + static_cast<int>(boundedDraw(rng, RankCount - 1));
    std::array<int, RankCount> tallies{};
    for (const Card &card : hand(player)) {
        if (validRank(card.rank))
            tallies[static_cast<std::size_t>(card.rank - Seven)] += rankWeight(card.rank, difficulty);
    }
    return Seven + highestTally(tallies);
}

} // namespace Zavel
