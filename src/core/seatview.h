#ifndef ZAVEL_SEATVIEW_H
#define ZAVEL_SEATVIEW_H

// What one seat can see of a game, and nothing more: its own hand in the order received, the whole discard pile
// with who played each card, how many cards every seat and the talon hold, the requests, what is pending, the
// declarations, and the levels the table shows for the other seats. It holds no other hand, no talon order and no
// random engine, so a player deciding from it alone cannot use what its seat may not know.
//
// A view is a plain value: copy it to another thread and decide there while the game goes on. Built by seatView()
// from a valid game, it is consistent (see consistentView): the hand's size is the seat's count, and the hand, the
// pile and the unseen cards make up the deck.

#include "card.h"

#include <vector>

namespace Zavel {

class GameCore;

// The level of a seat whose strength the table does not show (the person at seat 0).
constexpr int UnknownLevel = -1;

struct SeatView
{
    int seat = 0; // whose view this is
    int playerCount = 2;
    int currentPlayer = 0;
    int winner = -1;
    int requestedSuit = -1;
    int requestedRank = -1;
    int pendingDraw = 0;
    bool pendingSkip = false;
    int pendingChoice = 0; // ChoiceKind owed by choiceOwner
    int choiceOwner = -1;
    std::vector<Card> hand; // the seat's own cards, in the order received
    std::vector<Card> discard; // bottom first, playedBy kept
    std::vector<int> handCounts; // per seat
    int talonSize = 0;
    std::vector<bool> declared; // per seat: has declared Zavel for the card about to be played
    std::vector<int> levels; // per seat: AiDifficulty code, 4 for the Expert, UnknownLevel when not shown
};

// The view of `seat` in `core`. levels[i] is what the table shows of seat i; seats beyond the list are unknown.
SeatView seatView(const GameCore &core, int seat, const std::vector<int> &levels);

// Whether the view describes a game a seat could be in: a seat of the table, per-seat lists of the right length, the
// own hand as large as its count, and the own hand, the pile and the hidden cards (other hands and talon) adding up
// to the deck without repeating a card.
bool consistentView(const SeatView &view);

// The cards the seat cannot see (in the other hands or the talon), in deck order.
std::vector<Card> unseenCards(const SeatView &view);

} // namespace Zavel

#endif
