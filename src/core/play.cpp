// Putting a card on the discard pile with its effect, the suit and rank choices that complete an Upper or a
// Lower, and the one-card declaration.

#include "gamecore.h"

namespace Zavel {

namespace {

constexpr int choiceCode(ChoiceKind kind)
{
    return static_cast<int>(kind);
}

} // namespace

PlayResult GameCore::playCard(int player, int handIndex)
{
    PlayResult result;
    if (!isCardPlayable(player, handIndex))
        return result;

    std::vector<Card> &cards = hands[static_cast<std::size_t>(player)];
    const std::size_t sizeBefore = cards.size();
    Card card = cards[static_cast<std::size_t>(handIndex)];
    cards.erase(cards.begin() + handIndex);

    card.playedBy = player;
    discard.push_back(card);
    result.ok = true;
    result.card = card;

    // Any play ends a standing request, whether it answered the request or not.
    requestedSuit = -1;
    requestedRank = -1;

    // The forgotten-declaration penalty comes before the card's effect.
    if (sizeBefore == 2) {
        if (!zavelDeclared(player)) {
            result.forgotZavel = true;
            result.penaltyCards = drawMany(player, 4);
        }
        setAnnouncement(player, false);
    } else {
        clearTransientAnnouncement(player);
    }

    if (hands[static_cast<std::size_t>(player)].empty()) {
        // The winning card has no effect and the turn stays with the winner.
        winner = player;
        pendingDraw = 0;
        pendingSkip = false;
        pendingChoice = choiceCode(ChoiceKind::None);
        choiceOwner = -1;
        result.won = true;
        return result;
    }

    switch (card.rank) {
    case Seven:
        pendingDraw += 2;
        pendingSkip = false;
        advanceTurn();
        break;
    case Ace:
        pendingSkip = true;
        pendingDraw = 0;
        advanceTurn();
        break;
    case Upper:
    case Lower:
        pendingDraw = 0;
        pendingSkip = false;
        pendingChoice = choiceCode(card.rank == Upper ? ChoiceKind::Suit : ChoiceKind::Rank);
        choiceOwner = player;
        result.choice = pendingChoice;
        break;
    default:
        pendingDraw = 0;
        pendingSkip = false;
        advanceTurn();
        break;
    }
    return result;
}

bool GameCore::chooseSuit(int player, int suit)
{
    return validSuit(suit) && settleChoice(player, ChoiceKind::Suit, suit);
}

bool GameCore::chooseRank(int player, int rank)
{
    // Every rank may be requested, the special ones included.
    return validRank(rank) && settleChoice(player, ChoiceKind::Rank, rank);
}

bool GameCore::settleChoice(int player, ChoiceKind kind, int code)
{
    if (winner != -1 || pendingChoice != choiceCode(kind) || choiceOwner != player)
        return false;
    requestedSuit = kind == ChoiceKind::Suit ? code : -1;
    requestedRank = kind == ChoiceKind::Rank ? code : -1;
    pendingChoice = choiceCode(ChoiceKind::None);
    choiceOwner = -1;
    advanceTurn();
    return true;
}

bool GameCore::declareZavel(int player)
{
    if (!validPlayer(player) || player != currentPlayer || winner != -1 || pendingChoice != 0)
        return false;
    if (hand(player).size() != 2 || !hasLegalMove(player))
        return false;
    setAnnouncement(player, true);
    return true;
}

} // namespace Zavel
