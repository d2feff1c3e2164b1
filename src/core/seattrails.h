#ifndef ZAVEL_SEATTRAILS_H
#define ZAVEL_SEATTRAILS_H

// What every seat did, told from the history as all seats saw it, with the table each choice was made at and where
// the cards each seat drew may have come from: the material for guessing the hands a seat cannot see.
//
// A trail holds a seat's steps in order of time. Every step changes the seat's hand in a known way (a play gives up
// its named card, a draw adds a number of unnamed cards) or is a choice of the seat. An action is judged when it
// can be weighed: a request always, another action when the table before it is known (top card, requests, pending
// effects and the hand counts); after a restore that is so only from the first play on that is not a Seven, since
// the table of the saved game is not in the history.
//
// Reshuffles tell where cards are. The pile gives all but its top to the new talon, so every card drawn until the
// next reshuffle is one of those, and a card the talon did not get was in a hand then and, unless played since,
// still is. A drawing step therefore names the cards it may have taken (a set of the deck, all of it where the
// pile was not known), in two parts when a reshuffle came in the middle of it; and the trails count, per seat, how
// many of the cards held now came from the last reshuffle.
//
// The history must lead to the view: the hand counts, the talon, the pile and the table it gives must be the
// view's. When it does not, or when there is no history, every trail is empty and the hands are guessed from the
// view alone.

#include "moverecord.h"
#include "seatview.h"

#include <cstdint>
#include <vector>

namespace Zavel {

// A set of cards of the deck: bit 8 * suit + rank - Seven.
using CardSet = std::uint32_t;
constexpr CardSet AllCards = 0xFFFFFFFFu;

inline CardSet cardBit(const Card &card)
{
    return CardSet(1) << (RankCount * card.suit + (card.rank - Seven));
}

inline CardSet cardsOf(std::vector<Card>::const_iterator begin, std::vector<Card>::const_iterator end)
{
    CardSet set = 0;
    for (auto it = begin; it != end; ++it)
        set |= cardBit(*it);
    return set;
}

// The table as every seat saw it just before a step.
struct TableMoment
{
    Card top;
    int requestedSuit = -1;
    int requestedRank = -1;
    int pendingDraw = 0;
    bool pendingSkip = false;
    int nextCount = 0; // the next seat's cards
};

struct TrailStep
{
    MoveKind kind = MoveKind::Play; // an action (isAction) or ForgottenDeclaration
    Card card; // of a Play
    int choice = -1; // of a SuitRequested or RankRequested
    // A drawing step (Draw, PenaltyTaken, ForgottenDeclaration): `earlier` cards from the set earlierFrom, then,
    // after a reshuffle if earlier is set, `count` cards from the set `from`.
    int count = 0;
    CardSet from = AllCards;
    int earlier = 0;
    CardSet earlierFrom = AllCards;
    bool judged = false;
    TableMoment table;
};

struct Trails
{
    std::vector<std::vector<TrailStep>> seats; // one per seat of the view, the view's own included
    // Known only after a reshuffle whose pile the history shows: the cards the talon got then, and per seat how
    // many of the cards it holds now are among them.
    bool reshuffleKnown = false;
    CardSet reshuffled = 0;
    std::vector<int> heldFromReshuffle;
};

// Drawn cards are never read from the history: every record is taken as seenBy(record, -1) gives it.
Trails seatTrails(const SeatView &view, const std::vector<MoveRecord> &history);

} // namespace Zavel

#endif
