#ifndef ZAVEL_LEVELMODEL_H
#define ZAVEL_LEVELMODEL_H

// How likely a seat was to take a step of its trail had it held a given hand then: the weight by which a guessed
// hand is kept or thrown away.
//
// The computer levels are fixed procedures (GameCore::chooseAiAction and the requests): each plays a card of the
// best score among the fitting ones, a tie going to any of them alike (Random: any fitting card alike), plays
// whenever a card fits, and requests the suit or rank its tallies name. The model replays those very procedures on
// a scratch game set to the step's table and the guessed hand, so it holds to the bit what the levels do. A seat
// of no known level (the person, another Expert) is held only to the rules, and to a mild liking for requesting
// what it holds.
//
// A model is one scratch game: use one per thread.

#include "gamecore.h"
#include "seattrails.h"

namespace Zavel {

class LevelModel
{
public:
    explicit LevelModel(int playerCount);

    // The probability, 0 to 1, that `seat` at `level` took `step` holding cards[0..count) just before it (a play:
    // the played card among them; a request: the hand after the Upper or Lower). Steps that are not judged, and
    // draws that add cards, weigh 1.
    double likelihood(int seat, int level, const TrailStep &step, const Card *cards, int count);

    // The cards among cards[0..count) that `seat` could have played at the step's table.
    CardSet fittingCards(int seat, const TableMoment &table, const Card *cards, int count);

private:
    void setTable(int seat, const TableMoment &table, const Card *cards, int count);
    double playLikelihood(int seat, int level, const Card &played);
    double requestLikelihood(int seat, int level, const TrailStep &step);
    bool anyFits(int seat) const;

    GameCore m_scratch;
};

// Whether the level is one of the fixed procedures, Random to Hard.
bool knownLevel(int level);

// Whether the step, a draw or a taken penalty, says that the seat had no fitting card before it: the rules make
// sure of that for a draw, the levels' procedures for a penalty.
bool drewForWant(const TrailStep &step, int level);

} // namespace Zavel

#endif
