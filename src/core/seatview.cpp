#include "seatview.h"

#include "gamecore.h"

#include <array>

namespace Zavel {

namespace {

int deckIndex(const Card &card)
{
    return RankCount * card.suit + (card.rank - Seven);
}

// Marks the cards as seen; false on a card outside the deck or one seen before.
bool markSeen(const std::vector<Card> &cards, std::array<bool, DeckSize> *seen)
{
    for (const Card &card : cards) {
        if (!validSuit(card.suit) || !validRank(card.rank))
            return false;
        bool &mark = (*seen)[static_cast<std::size_t>(deckIndex(card))];
        if (mark)
            return false;
        mark = true;
    }
    return true;
}

} // namespace

SeatView seatView(const GameCore &core, int seat, const std::vector<int> &levels)
{
    SeatView view;
    view.seat = seat;
    view.playerCount = core.playerCount;
    view.currentPlayer = core.currentPlayer;
    view.winner = core.winner;
    view.requestedSuit = core.requestedSuit;
    view.requestedRank = core.requestedRank;
    view.pendingDraw = core.pendingDraw;
    view.pendingSkip = core.pendingSkip;
    view.pendingChoice = core.pendingChoice;
    view.choiceOwner = core.choiceOwner;
    view.hand = core.hand(seat);
    view.discard = core.discard;
    view.talonSize = static_cast<int>(core.talon.size());
    for (int i = 0; i < core.playerCount; ++i) {
        const auto index = static_cast<std::size_t>(i);
        view.handCounts.push_back(static_cast<int>(core.hand(i).size()));
        view.declared.push_back(core.zavelDeclared(i));
        view.levels.push_back(index < levels.size() ? levels[index] : UnknownLevel);
    }
    return view;
}

bool consistentView(const SeatView &view)
{
    const auto players = static_cast<std::size_t>(view.playerCount);
    if (view.playerCount < 2 || view.playerCount > 4 || view.seat < 0 || view.seat >= view.playerCount)
        return false;
    if (view.handCounts.size() != players || view.declared.size() != players || view.levels.size() != players)
        return false;
    if (view.handCounts[static_cast<std::size_t>(view.seat)] != static_cast<int>(view.hand.size()))
        return false;
    int total = view.talonSize + static_cast<int>(view.discard.size());
    for (int count : view.handCounts) {
        if (count < 0)
            return false;
        total += count;
    }
    std::array<bool, DeckSize> seen{};
    return view.talonSize >= 0 && total == DeckSize && markSeen(view.hand, &seen) && markSeen(view.discard, &seen);
}

std::vector<Card> unseenCards(const SeatView &view)
{
    std::array<bool, DeckSize> seen{};
    for (const std::vector<Card> *cards : {&view.hand, &view.discard}) {
        for (const Card &card : *cards) {
            if (validSuit(card.suit) && validRank(card.rank))
                seen[static_cast<std::size_t>(deckIndex(card))] = true;
        }
    }
    std::vector<Card> unseen;
    for (const Card &card : buildDeck()) {
        if (!seen[static_cast<std::size_t>(deckIndex(card))])
            unseen.push_back(card);
    }
    return unseen;
}

} // namespace Zavel
