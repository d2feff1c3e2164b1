// Which cards may be played and which other actions are open. Every rules operation refuses what these
// queries do not allow, so they are the one place where the rules of play live.

#include "gamecore.h"

namespace Zavel {

bool GameCore::ordinaryPlayable(const Card &card) const
{
    const Card *top = topCard();
    if (!top)
        return true;
    if (card.rank == Upper)
        return true;
    return card.suit == top->suit || card.rank == top->rank;
}

bool GameCore::requestedPlayable(const Card &card) const
{
    // A standing request replaces the top card as the thing to match.
    if (requestedSuit >= 0)
        return card.suit == requestedSuit || card.rank == Upper;
    if (requestedRank >= 0)
        return card.rank == requestedRank || card.rank == Lower;
    return ordinaryPlayable(card);
}

bool GameCore::penaltyPlayable(const Card &card) const
{
    if (pendingDraw > 0)
        return card.rank == Seven;
    if (pendingSkip)
        return card.rank == Ace;
    return requestedPlayable(card);
}

std::vector<int> GameCore::legalMoves(int player) const
{
    std::vector<int> moves(hand(player).size());
    moves.resize(collectLegalMoves(player, moves.data()));
    return moves;
}

std::size_t GameCore::collectLegalMoves(int player, int *moves) const
{
    if (!validPlayer(player) || player != currentPlayer || winner != -1 || pendingChoice != 0)
        return 0;
    const std::vector<Card> &cards = hand(player);
    std::size_t count = 0;
    for (std::size_t i = 0; i < cards.size(); ++i) {
        if (penaltyPlayable(cards[i]))
            moves[count++] = static_cast<int>(i);
    }
    return count;
}

bool GameCore::hasLegalMove(int player) const
{
    if (!validPlayer(player) || player != currentPlayer || winner != -1 || pendingChoice != 0)
        return false;
    for (const Card &card : hand(player)) {
        if (penaltyPlayable(card))
            return true;
    }
    return false;
}

bool GameCore::isCardPlayable(int player, int handIndex) const
{
    const std::vector<Card> &cards = hand(player);
    if (handIndex < 0 || static_cast<std::size_t>(handIndex) >= cards.size())
        return false;
    if (!validPlayer(player) || player != currentPlayer || winner != -1 || pendingChoice != 0)
        return false;
    return penaltyPlayable(cards[static_cast<std::size_t>(handIndex)]);
}

bool GameCore::canDraw(int player) const
{
    return validPlayer(player) && player == currentPlayer && winner == -1 && pendingChoice == 0 && pendingDraw == 0
        && !pendingSkip && !hasLegalMove(player);
}

bool GameCore::canAcceptPenalty(int player) const
{
    return validPlayer(player) && player == currentPlayer && winner == -1 && pendingChoice == 0
        && (pendingDraw > 0 || pendingSkip);
}

bool GameCore::hasProgressAction(int player) const
{
    if (!validPlayer(player) || player != currentPlayer || winner != -1)
        return false;
    if (pendingChoice != 0)
        return choiceOwner == currentPlayer;
    return hasLegalMove(player) || canDraw(player) || canAcceptPenalty(player);
}

bool GameCore::humanInputEnabled() const
{
    return winner == -1 && currentPlayer == 0;
}

bool GameCore::zavelDeclared(int player) const
{
    if (!validPlayer(player) || static_cast<std::size_t>(player) >= announcements.size())
        return false;
    return announcements[static_cast<std::size_t>(player)];
}

} // namespace Zavel
