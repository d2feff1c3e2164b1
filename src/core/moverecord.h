#ifndef ZAVEL_MOVERECORD_H
#define ZAVEL_MOVERECORD_H

// What happened in a game, one fact at a time. The interface's move log, the history a computer player reads and
// the simulator's games are all lists of these records, made once where the move is applied.
//
// An applied action gives one record of its own kind, and around it the facts that came with it: a play that went
// down to one card without a declaration is followed by ForgottenDeclaration with its penalty cards, a play that
// emptied the hand by Win, and a draw that found the talon empty is preceded by Reshuffle. A declaration is a record
// of its own; so are the deal and the restore of a saved game, which start a game's list.
//
// Cards. A played card is named in its record: every seat saw it. Drawn cards (a draw, a taken penalty, the
// penalty of a forgotten declaration) are seen only by the seat that drew them: seenBy() keeps them in the
// drawer's view and leaves only their number, count, in everybody else's.

#include "card.h"

#include <string>
#include <vector>

namespace Zavel {

struct ActionResult;
struct AiAction;
class GameCore;

enum class MoveKind : int {
    Deal = 0, // seat -1; count: the players; cards: the starting card
    Restore = 1, // seat -1; count: the players
    Play = 2, // cards: the card played
    Draw = 3, // count: the cards drawn (0 when none was left); cards: the same, where seen
    PenaltyTaken = 4, // owed: the draw penalty taken; count: the cards it gave (fewer when they ran out)
    SkipTaken = 5, // an Ace's skip: the turn was lost
    SuitRequested = 6, // choice: the suit requested after an Upper
    RankRequested = 7, // choice: the rank requested after a Lower
    Declaration = 8, // Zavél!
    ForgottenDeclaration = 9, // count: the penalty cards drawn for it; cards: the same, where seen
    Reshuffle = 10, // seat -1; count: the cards the discard pile gave to the new talon
    Win = 11, // the seat emptied its hand
};

constexpr int MoveKindCount = 12;

struct MoveRecord
{
    MoveKind kind = MoveKind::Deal;
    int seat = -1; // who acted; -1 for what happens to the table
    std::vector<Card> cards;
    int count = 0;
    int owed = 0;
    int choice = -1;
};

bool operator==(const MoveRecord &a, const MoveRecord &b);
inline bool operator!=(const MoveRecord &a, const MoveRecord &b)
{
    return !(a == b);
}

// Whether the record stands for an action of its seat (a play, a draw, a taken penalty or skip, a request), as
// opposed to what came with one or happened to the table.
bool isAction(MoveKind kind);
// Whether the record's seat took cards from the talon: a draw, a taken penalty, a forgotten declaration's penalty.
bool drawsCards(MoveKind kind);

// The records of an action that the rules took (result.ok), with every drawn card named.
std::vector<MoveRecord> actionRecords(int seat, const AiAction &action, const ActionResult &result);
MoveRecord declarationRecord(int seat);
MoveRecord dealRecord(const GameCore &core);
MoveRecord restoreRecord(const GameCore &core);

// The record as the seat `viewer` saw it: drawn cards are named only to the seat that drew them. A viewer of -1
// sees what every seat saw.
MoveRecord seenBy(const MoveRecord &record, int viewer);

// One line of text per record, without a line feed, and back: "play 1 0 0 -1 1 3,14,1" is kind, seat, count, owed,
// choice and the card list of the state text. parseRecord refuses anything else and then leaves *out as it was.
std::string recordText(const MoveRecord &record);
bool parseRecord(const std::string &text, MoveRecord *out);

} // namespace Zavel

#endif
