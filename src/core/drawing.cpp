// Moving cards from the talon into hands: the ordinary draw, accepted penalties, and the lazy reshuffle of the
// discard pile into an empty talon.

#include "gamecore.h"

#include "random.h"

namespace Zavel {

bool GameCore::drawOne(int player, DrawnCard *out)
{
    if (!validPlayer(player) || static_cast<std::size_t>(player) >= hands.size())
        return false;
    if (talon.empty())
        reshuffleDiscardIntoTalon();
    if (talon.empty())
        return false;

    Card card = talon.back();
    talon.pop_back();
    card.playedBy = -1;
    std::vector<Card> &cards = hands[static_cast<std::size_t>(player)];
    cards.push_back(card);
    if (out) {
        out->player = player;
        out->card = card;
        out->handIndex = static_cast<int>(cards.size()) - 1;
    }
    return true;
}

std::vector<DrawnCard> GameCore::drawMany(int player, int count)
{
    std::vector<DrawnCard> drawn;
    for (int i = 0; i < count; ++i) {
        DrawnCard d;
        if (!drawOne(player, &d))
            break;
        drawn.push_back(d);
    }
    clearTransientAnnouncement(player);
    return drawn;
}

DrawResult GameCore::drawCard(int player)
{
    DrawResult result;
    if (!canDraw(player))
        return result;
    result.ok = true;
    result.drawnCards = drawMany(player, 1);
    // The drawn card cannot be played in the same turn, and an empty draw still ends it.
    advanceTurn();
    return result;
}

DrawResult GameCore::acceptPenalty(int player)
{
    DrawResult result;
    if (!canAcceptPenalty(player))
        return result;
    result.ok = true;
    if (pendingDraw > 0) {
        result.drawnCards = drawMany(player, pendingDraw);
        // Cleared in full even when the cards ran out.
        pendingDraw = 0;
    } else {
        result.skipped = true;
        pendingSkip = false;
    }
    setAnnouncement(player, false);
    advanceTurn();
    return result;
}

void GameCore::reshuffleDiscardIntoTalon()
{
    if (!talon.empty() || discard.size() < 2)
        return;
    const Card top = discard.back();
    discard.pop_back();
    talon.swap(discard);
    for (Card &card : talon)
        card.playedBy = -1;
    shuffleCards(talon, rng);
    discard.assign(1, top);
}

} // namespace Zavel
