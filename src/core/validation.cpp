// Consistency of a whole game state: ranges, pending effects that exclude each other, list sizes, a move for
// the player on turn, and the card census. The first failed check names the fault with a fixed message.

#include "gamecore.h"

#include <array>

namespace Zavel {

namespace {

// Counts every card once; fails on a code outside the deck or on a card seen before.
class Census
{
public:
    bool visit(const std::vector<Card> &cards)
    {
        for (const Card &card : cards) {
            if (!validRank(card.rank) || !validSuit(card.suit))
                return false;
            int &seen = m_seen[static_cast<std::size_t>((card.rank - Seven) + RankCount * card.suit)];
            if (++seen != 1)
                return false;
            ++m_total;
        }
        return true;
    }

    int total() const { return m_total; }

private:
    std::array<int, DeckSize> m_seen{};
    int m_total = 0;
};

bool fail(std::string *error, const char *message)
{
    if (error)
        *error = message;
    return false;
}

} // namespace

bool GameCore::validate(std::string *error) const
{
    if (playerCount < 2 || playerCount > 4)
        return fail(error, "invalid player count");
    if (currentPlayer < 0 || currentPlayer >= playerCount)
        return fail(error, "invalid turn");
    if (winner < -1 || winner >= playerCount)
        return fail(error, "invalid winner");
    if (requestedSuit < -1 || requestedSuit > 3)
        return fail(error, "invalid requested suit");
    if (requestedRank != -1 && !validRank(requestedRank))
        return fail(error, "invalid requested rank");
    if (requestedRank != -1 && requestedSuit != -1)
        return fail(error, "simultaneous suit and rank request");
    if (pendingDraw < 0 || pendingDraw % 2 != 0)
        return fail(error, "invalid draw penalty");
    if (pendingDraw != 0 && pendingSkip)
        return fail(error, "simultaneous draw and skip penalty");
    if (pendingChoice != 0 && choiceOwner != currentPlayer)
        return fail(error, "choice owner does not own turn");
    if (pendingChoice == 0 && choiceOwner != -1)
        return fail(error, "choice player without a choice");
    if (hands.size() != static_cast<std::size_t>(playerCount))
        return fail(error, "hand vector count mismatch");
    if (announcements.size() != static_cast<std::size_t>(playerCount))
        return fail(error, "Zavel announcement vector count mismatch");
    if (discard.empty())
        return fail(error, "discard pile is empty");
    if (winner == -1 && !hasProgressAction(currentPlayer))
        return fail(error, "current player has no progress action");

    Census census;
    if (!census.visit(talon))
        return fail(error, "invalid/duplicate talon card");
    for (const std::vector<Card> &cards : hands) {
        if (!census.visit(cards))
            return fail(error, "invalid/duplicate hand card");
    }
    if (!census.visit(discard))
        return fail(error, "invalid/duplicate discard card");
    if (census.total() != DeckSize)
        return fail(error, "card total is not 32");
    if (winner != -1 && !hands[static_cast<std::size_t>(winner)].empty())
        return fail(error, "winner still has cards");
    return true;
}

} // namespace Zavel
