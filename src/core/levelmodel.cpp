#include "levelmodel.h"

#include <algorithm>
#include <array>

namespace Zavel {

namespace {

// A seat of unknown level is taken to request what it holds most of, without insisting: the weight falls with
// the cards of the choice against those of the best one.
template<std::size_t N> double mildLiking(const std::array<int, N> &tallies, std::size_t chosen)
{
    const int most = *std::max_element(tallies.begin(), tallies.end());
    return (1.0 + tallies[chosen]) / (1.0 + most);
}

} // namespace

bool knownLevel(int level)
{
    return level >= static_cast<int>(AiDifficulty::Random) && level <= static_cast<int>(AiDifficulty::Hard);
}

bool drewForWant(const TrailStep &step, int level)
{
    return step.judged && (step.kind == MoveKind::Draw || (step.kind == MoveKind::PenaltyTaken && knownLevel(level)));
}

LevelModel::LevelModel(int playerCount)
    : m_scratch(playerCount, 1)
{
    m_scratch.discard.assign(1, Card{});
    m_scratch.winner = -1;
    m_scratch.pendingChoice = 0;
    m_scratch.choiceOwner = -1;
}

double LevelModel::likelihood(int seat, int level, const TrailStep &step, const Card *cards, int count)
{
    if (!step.judged || !m_scratch.validPlayer(seat))
        return 1.0;
    setTable(seat, step.table, cards, count);
    switch (step.kind) {
    case MoveKind::Play:
        return playLikelihood(seat, level, step.card);
    case MoveKind::Draw:
        // The rules allow a draw only without a fitting card, whoever draws.
        return anyFits(seat) ? 0.0 : 1.0;
    case MoveKind::PenaltyTaken:
    case MoveKind::SkipTaken:
        // The levels always answer with a Seven or an Ace they hold; a person may keep it back.
        return knownLevel(level) && anyFits(seat) ? 0.0 : 1.0;
    case MoveKind::SuitRequested:
    case MoveKind::RankRequested:
        return requestLikelihood(seat, level, step);
    default:
        return 1.0;
    }
}

void LevelModel::setTable(int seat, const TableMoment &table, const Card *cards, int count)
{
    m_scratch.currentPlayer = seat;
    m_scratch.requestedSuit = table.requestedSuit;
    m_scratch.requestedRank = table.requestedRank;
    m_scratch.pendingDraw = table.pendingDraw;
    m_scratch.pendingSkip = table.pendingSkip;
    m_scratch.discard.back() = table.top;
    m_scratch.hands[static_cast<std::size_t>(seat)].assign(cards, cards + count);
    // The scores read only how many cards the next seat holds.
    m_scratch.hands[static_cast<std::size_t>(m_scratch.nextPlayer(seat))].resize(
        static_cast<std::size_t>(std::max(0, table.nextCount)));
}

CardSet LevelModel::fittingCards(int seat, const TableMoment &table, const Card *cards, int count)
{
    if (!m_scratch.validPlayer(seat))
        return 0;
    setTable(seat, table, cards, count);
    CardSet fitting = 0;
    for (int i = 0; i < count; ++i) {
        if (m_scratch.isCardPlayable(seat, i))
            fitting |= cardBit(cards[i]);
    }
    return fitting;
}

bool LevelModel::anyFits(int seat) const
{
    const auto size = static_cast<int>(m_scratch.hand(seat).size());
    for (int i = 0; i < size; ++i) {
        if (m_scratch.isCardPlayable(seat, i))
            return true;
    }
    return false;
}

double LevelModel::playLikelihood(int seat, int level, const Card &played)
{
    const std::vector<Card> &cards = m_scratch.hand(seat);
    const auto found = std::find_if(cards.begin(), cards.end(), [&](const Card &c) { return sameCard(c, played); });
    const auto chosen = static_cast<int>(found - cards.begin());
    if (found == cards.end() || !m_scratch.isCardPlayable(seat, chosen))
        return 0.0;
    if (!knownLevel(level))
        return 1.0;

    const auto difficulty = static_cast<AiDifficulty>(level);
    const int chosenScore = difficulty == AiDifficulty::Random ? 0 : m_scratch.scoreMove(seat, chosen, difficulty);
    int alike = 0; // the cards among which the level picks at random
    for (int i = 0; i < static_cast<int>(cards.size()); ++i) {
        if (!m_scratch.isCardPlayable(seat, i))
            continue;
        if (difficulty == AiDifficulty::Random) {
            ++alike;
            continue;
        }
        // A fitting card of a higher score would have been played instead; one of the same score is an equal rival.
        const int score = i == chosen ? chosenScore : m_scratch.scoreMove(seat, i, difficulty);
        if (score > chosenScore)
            return 0.0;
        alike += score == chosenScore ? 1 : 0;
    }
    return 1.0 / alike;
}

double LevelModel::requestLikelihood(int seat, int level, const TrailStep &step)
{
    const bool suit = step.kind == MoveKind::SuitRequested;
    if (level == static_cast<int>(AiDifficulty::Random))
        return 1.0;
    if (knownLevel(level)) {
        const auto difficulty = static_cast<AiDifficulty>(level);
        const int pick
            = suit ? m_scratch.bestSuitRequest(seat, difficulty) : m_scratch.bestRankRequest(seat, difficulty);
        return pick == step.choice ? 1.0 : 0.0;
    }
    if (suit ? !validSuit(step.choice) : !validRank(step.choice))
        return 1.0;
    const std::vector<Card> &cards = m_scratch.hand(seat);
    if (suit) {
        std::array<int, SuitCount> tallies{};
        for (const Card &card : cards)
            ++tallies[static_cast<std::size_t>(card.suit)];
        return mildLiking(tallies, static_cast<std::size_t>(step.choice));
    }
    std::array<int, RankCount> tallies{};
    for (const Card &card : cards)
        ++tallies[static_cast<std::size_t>(card.rank - Seven)];
    return mildLiking(tallies, static_cast<std::size_t>(step.choice - Seven));
}

} // namespace Zavel
