// The computer players' choice of action and card, their declaration, and carrying out a seat's action. Every
// random draw comes from the game's own engine in a fixed order and count, so that a restored game makes the
// same decisions as the one that was saved.

#include "gamecore.h"

#include "random.h"

#include <climits>

namespace Zavel {

namespace {

bool heavyWeights(AiDifficulty difficulty)
{
    return difficulty == AiDifficulty::Normal || difficulty == AiDifficulty::Hard;
}

int rankTerm(int rank, int sameSuitCount, int nextCount, int ownCount, bool heavy)
{
    switch (rank) {
    case Seven:
        return (heavy ? 50 : 34) + (nextCount <= 2 ? (heavy ? 45 : 15) : 0) + (ownCount <= 3 ? 12 : 0);
    case Ace:
        return (heavy ? 43 : 30) + (nextCount <= 2 ? (heavy ? 34 : 12) : 0);
    case Upper:
        return (heavy ? 38 : 28) + (ownCount <= 3 ? (heavy ? 25 : 8) : 0);
    case Lower:
        return (heavy ? 36 : 27) + (ownCount <= 3 ? (heavy ? 20 : 6) : 0);
    default:
        // Ordinary cards count their suit neighbours a second time: keeping a long suit together pays.
        return 20 + 2 * sameSuitCount;
    }
}

// Terms that look at the next player's hand, played only at Hard.
int lookAheadTerm(int rank, int nextCount, int ownCount)
{
    int term = 0;
    if (nextCount == 1 && (rank == Seven || rank == Ace))
        term += 80;
    if (nextCount <= 2 && (rank == Lower || rank == Upper))
        term += 35;
    if (rank == Upper && nextCount >= 3 && ownCount >= 5)
        term -= 18;
    return term;
}

} // namespace

AiAction GameCore::chooseAiAction(int player, AiDifficulty difficulty)
{
    AiAction action;
    if (!validPlayer(player) || player != currentPlayer || winner >= 0)
        return action;

    if (pendingChoice != 0) {
        if (choiceOwner != currentPlayer)
            return action;
        if (pendingChoice == static_cast<int>(ChoiceKind::Suit)) {
            action.type = AiActionType::ChooseSuit;
            action.choice = bestSuitRequest(choiceOwner, difficulty);
        } else {
            action.type = AiActionType::ChooseRank;
            action.choice = bestRankRequest(choiceOwner, difficulty);
        }
        return action;
    }

    // The moves are collected on the stack: this runs for every computer move and must not allocate.
    int inlineMoves[DeckSize];
    std::vector<int> heapMoves;
    int *moves = inlineMoves;
    if (hand(player).size() > static_cast<std::size_t>(DeckSize)) {
        heapMoves.resize(hand(player).size());
        moves = heapMoves.data();
    }
    const std::size_t count = collectLegalMoves(player, moves);
    if (count == 0) {
        const bool penaltyPending = pendingDraw >= 1 || pendingSkip;
        action.type = penaltyPending ? AiActionType::AcceptPenalty : AiActionType::Draw;
        return action;
    }

    action.type = AiActionType::Play;
    if (difficulty == AiDifficulty::Random)
        action.handIndex = moves[boundedDraw(rng, static_cast<std::uint32_t>(count - 1))];
    else
        action.handIndex = bestMoveAmong(player, moves, count, difficulty);
    return action;
}

bool GameCore::declareZavelIfDue(int player)
{
    return pendingChoice == static_cast<int>(ChoiceKind::None) && hand(player).size() == 2 && !zavelDeclared(player)
        && declareZavel(player);
}

ActionResult GameCore::applyAction(int player, const AiAction &action)
{
    ActionResult result;
    const auto talonBefore = static_cast<int>(talon.size());
    switch (action.type) {
    case AiActionType::Play:
        result.play = playCard(player, action.handIndex);
        result.ok = result.play.ok;
        break;
    case AiActionType::Draw:
        result.draw = drawCard(player);
        result.ok = result.draw.ok;
        break;
    case AiActionType::AcceptPenalty:
        result.penaltyOwed = pendingDraw;
        result.draw = acceptPenalty(player);
        result.ok = result.draw.ok;
        break;
    case AiActionType::ChooseSuit:
        result.ok = chooseSuit(player, action.choice);
        break;
    case AiActionType::ChooseRank:
        result.ok = chooseRank(player, action.choice);
        break;
    case AiActionType::None:
        break;
    }
    // Every card of the old talon was drawn before the rebuilt one gave any; what it gave is what it still holds
    // plus what it gave to the hand.
    const auto drawn = static_cast<int>(result.play.penaltyCards.size() + result.draw.drawnCards.size());
    if (drawn > talonBefore)
        result.reshuffledCards = static_cast<int>(talon.size()) + drawn - talonBefore;
    return result;
}

int GameCore::scoreMove(int player, int handIndex, AiDifficulty difficulty) const
{
    const std::vector<Card> &cards = hand(player);
    if (handIndex < 0 || static_cast<std::size_t>(handIndex) >= cards.size())
        return INT_MIN;

    const Card &card = cards[static_cast<std::size_t>(handIndex)];
    int sameRankCount = 0;
    int sameSuitCount = 0;
    for (std::size_t i = 0; i < cards.size(); ++i) {
        if (static_cast<int>(i) == handIndex)
            continue;
        sameRankCount += cards[i].rank == card.rank ? 1 : 0;
        sameSuitCount += cards[i].suit == card.suit ? 1 : 0;
    }
    const int nextCount = static_cast<int>(hand(nextPlayer(player)).size());
    const int ownCount = static_cast<int>(cards.size());
    const bool heavy = heavyWeights(difficulty);

    int score = heavy ? 8 * sameRankCount + 6 * sameSuitCount : 4 * sameRankCount + 3 * sameSuitCount;
    score += rankTerm(card.rank, sameSuitCount, nextCount, ownCount, heavy);
    if (difficulty == AiDifficulty::Hard)
        score += lookAheadTerm(card.rank, nextCount, ownCount);
    return score;
}

int GameCore::chooseBestMove(int player, const std::vector<int> &moves, AiDifficulty difficulty)
{
    return bestMoveAmong(player, moves.data(), moves.size(), difficulty);
}

int GameCore::bestMoveAmong(int player, const int *moves, std::size_t count, AiDifficulty difficulty)
{
    if (count == 0)
        return -1;
    // The candidates are the moves with the top score, in the order of moves. Scores are kept so that the
    // pick needs no second list: choosing the k-th candidate is what chooseRandom(candidates) does.
    int inlineScores[DeckSize];
    std::vector<int> heapScores;
    int *scores = inlineScores;
    if (count > static_cast<std::size_t>(DeckSize)) {
        heapScores.resize(count);
        scores = heapScores.data();
    }
    int best = INT_MIN;
    std::uint32_t candidates = 0;
    for (std::size_t i = 0; i < count; ++i) {
        scores[i] = scoreMove(player, moves[i], difficulty);
        if (i == 0 || scores[i] > best) {
            best = scores[i];
            candidates = 1;
        } else if (scores[i] == best) {
            ++candidates;
        }
    }
    // Drawn even for a single candidate: every decision costs at least one output, whatever the hand.
    std::uint32_t pick = boundedDraw(rng, candidates - 1);
    for (std::size_t i = 0; i < count; ++i) {
        if (scores[i] == best && pick-- == 0)
            return moves[i];
    }
    return -1;
}

int GameCore::chooseRandom(const std::vector<int> &items)
{
    if (items.empty())
        return -1;
    const auto last = static_cast<std::uint32_t>(items.size() - 1);
    return items[boundedDraw(rng, last)];
}

} // namespace Zavel
