#ifndef ZAVEL_CARD_H
#define ZAVEL_CARD_H

// The card model shared by the whole rules engine.
//
// Suits (int): 0 Bells, 1 Leaves, 2 Acorns, 3 Hearts; -1 means "no suit" wherever a suit is optional.
// Ranks (int): 7 Seven, 8 Eight, 9 Nine, 10 Ten, 11 Lower, 12 Upper, 13 King, 14 Ace; codes 0 to 6 never occur.
// Seven, Lower, Upper and Ace are the special ranks: they carry an effect when played.
//
// The deck is the 32 pairs of suit and rank, built suit by suit (Bells first) and rank by rank (Seven first);
// that order, together with the seed, decides every deal.

#include <string>
#include <vector>

namespace Zavel {

enum Suit : int { Bells = 0, Leaves = 1, Acorns = 2, Hearts = 3 };
enum Rank : int { Seven = 7, Eight = 8, Nine = 9, Ten = 10, Lower = 11, Upper = 12, King = 13, Ace = 14 };

constexpr int SuitCount = 4;
constexpr int RankCount = 8;
constexpr int DeckSize = SuitCount * RankCount;

// One playing card. Identity is rank and suit; playedBy is history: the seat that put the card on the
// discard pile, -1 for the starting card and for every card in the talon or in a hand.
struct Card
{
    int rank = 0;
    int suit = 0;
    int playedBy = -1;
};

inline bool sameCard(const Card &a, const Card &b)
{
    return a.rank == b.rank && a.suit == b.suit;
}

// Equality of the whole record, playedBy included: what the state text preserves.
inline bool operator==(const Card &a, const Card &b)
{
    return a.rank == b.rank && a.suit == b.suit && a.playedBy == b.playedBy;
}

inline bool operator!=(const Card &a, const Card &b)
{
    return !(a == b);
}

// One card moved from the talon into a hand: who drew it and where it landed (appended, so the new size - 1).
struct DrawnCard
{
    int player = 0;
    Card card;
    int handIndex = -1;
};

// Bits 7, 11, 12 and 14: Seven, Lower, Upper, Ace. Codes outside 0..30 are never special.
inline bool isSpecialRank(int rank)
{
    return rank >= 0 && rank < 31 && ((0x5880u >> rank) & 1u) != 0;
}

inline bool validSuit(int suit)
{
    return suit >= Bells && suit <= Hearts;
}

inline bool validRank(int rank)
{
    return rank >= Seven && rank <= Ace;
}

// The text that names a card everywhere outside the engine: suit code, underscore, rank code ("3_14").
std::string cardId(const Card &card);

// The 32 cards in building order: Seven of Bells first, Ace of Hearts last, all with playedBy -1.
std::vector<Card> buildDeck();

} // namespace Zavel

#endif
