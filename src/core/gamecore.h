#ifndef ZAVEL_GAMECORE_H
#define ZAVEL_GAMECORE_H

// The rules engine of the game: one GameCore holds the whole state of one game and every operation that
// changes it.
//
// The game. Two to four players each get five cards; a non-special starting card opens the discard pile and
// seat 0, always the human, moves first. Turns pass in ascending seat order with wrap-around. A card may go on
// the pile when it matches the top card's suit or rank; an Upper goes on anything. Special cards:
//   Seven  the next player draws two more cards unless answering with a Seven of any suit (penalties stack);
//   Ace    the next player loses a turn unless answering with an Ace of any suit (a skip never grows);
//   Upper  its player then requests a suit, which binds every following player until someone plays a card;
//          while the request stands, an Upper of any suit also fits;
//   Lower  its player then requests a rank, with Lowers of any suit fitting while the rank request stands.
// A player without a fitting card draws one, and the turn passes. A player going down from two cards to one
// must have declared "Zavel" first (declareZavel) or draws four cards. The first empty hand wins; the winning
// card has no effect.
//
// Refusals. No operation throws. Operations refuse bad input by returning false (or a result with ok false)
// and leave the state untouched.
//
// Invariants of a dealt game (checked by validate()):
//   - talon, hands and discard together hold the 32 distinct cards;
//   - the tops of talon and discard are their last elements; the discard pile is never empty;
//   - playedBy is -1 for every card outside the discard pile;
//   - a suit request, a rank request, a draw penalty and a skip exclude each other as stated per field;
//   - while nobody has won, the current player always has a progress action.

#include "card.h"

#include <random>
#include <string>
#include <vector>

namespace Zavel {

// The choice a player owes after playing an Upper (a suit) or a Lower (a rank); the values of pendingChoice.
enum class ChoiceKind : int { None = 0, Suit = 1, Rank = 2 };

// Strength of a computer player. Codes outside 0..3 play like Easy.
enum class AiDifficulty : int { Random = 0, Easy = 1, Normal = 2, Hard = 3 };

enum class AiActionType : int { None = 0, Play = 1, Draw = 2, AcceptPenalty = 3, ChooseSuit = 4, ChooseRank = 5 };

// What a computer player does next. handIndex is set only for Play, choice only for ChooseSuit and ChooseRank.
struct AiAction
{
    AiActionType type = AiActionType::None;
    int handIndex = -1;
    int choice = -1;
};

struct PlayResult
{
    bool ok = false;
    Card card; // the card as it lies on the discard pile, playedBy set
    std::vector<DrawnCard> penaltyCards; // drawn for a forgotten declaration, in drawing order
    bool forgotZavel = false;
    bool won = false;
    int choice = 0; // ChoiceKind now owed by the player
};

struct DrawResult
{
    bool ok = false; // the action was performed and the turn has passed
    std::vector<DrawnCard> drawnCards;
    bool skipped = false; // an accepted Ace skip: the turn was lost without drawing
};

// What applyAction did: ok when the rules took the action, with the result of the operation it ran.
struct ActionResult
{
    bool ok = false;
    PlayResult play; // of a Play
    DrawResult draw; // of a Draw or an AcceptPenalty
    int penaltyOwed = 0; // of an AcceptPenalty: the draw penalty it settled, even when fewer cards were left
    // The cards the discard pile gave to a new talon when a draw of the action found the talon empty; 0 when the
    // talon sufficed. A batch of draws reshuffles at most once: the pile then holds only its top card.
    int reshuffledCards = 0;
};

class GameCore
{
public:
    // Deals a game for playerCount players (clamped to 2..4) from seed, 0 meaning a random seed.
    GameCore(int playerCount, unsigned seed);

    // --- Setup and turn order ---------------------------------------------------------------------------
    void setPlayerCount(int count); // clamped to 2..4; takes effect at the next newGame
    void newGame(unsigned seed); // seed 0 draws one value from std::random_device

    bool validPlayer(int player) const;
    int nextPlayer(int player) const;
    const std::vector<Card> &hand(int player) const; // an invalid seat has an empty hand
    const Card *topCard() const; // null only before the first deal
    int nextPlayerHandCount() const;

    void advanceTurn();
    void clearTransientAnnouncement(int player);

    // --- Legality (const; the single source of truth for every action) -----------------------------------
    bool ordinaryPlayable(const Card &card) const;
    bool requestedPlayable(const Card &card) const;
    bool penaltyPlayable(const Card &card) const;

    std::vector<int> legalMoves(int player) const;
    bool isCardPlayable(int player, int handIndex) const;
    bool canDraw(int player) const;
    bool canAcceptPenalty(int player) const;
    bool hasProgressAction(int player) const;
    bool humanInputEnabled() const;
    bool zavelDeclared(int player) const;

    // --- Playing, choices and the declaration -----------------------------------------------------------
    PlayResult playCard(int player, int handIndex);
    bool chooseSuit(int player, int suit);
    bool chooseRank(int player, int rank);
    bool declareZavel(int player);

    // --- Drawing ----------------------------------------------------------------------------------------
    bool drawOne(int player, DrawnCard *out);
    std::vector<DrawnCard> drawMany(int player, int count);
    DrawResult drawCard(int player);
    DrawResult acceptPenalty(int player);
    void reshuffleDiscardIntoTalon();

    // --- Computer opponents -----------------------------------------------------------------------------
    AiAction chooseAiAction(int player, AiDifficulty difficulty);
    // The declaration a computer player makes before it acts: when it holds two cards, owes no choice and has
    // not declared yet. True when it declared.
    bool declareZavelIfDue(int player);
    // Carries out an action of player (any seat's, the computer's choice or a person's) through the operation
    // of its type; an action of type None, or one the rules refuse, changes nothing and reports ok false.
    ActionResult applyAction(int player, const AiAction &action);
    int scoreMove(int player, int handIndex, AiDifficulty difficulty) const;
    int chooseBestMove(int player, const std::vector<int> &moves, AiDifficulty difficulty);
    int chooseRandom(const std::vector<int> &items);
    int bestSuitRequest(int player, AiDifficulty difficulty);
    int bestRankRequest(int player, AiDifficulty difficulty);

    // --- State text, validation and restore -------------------------------------------------------------
    std::string serializeState() const;
    static std::string encodeCards(const std::vector<Card> &cards);
    static bool decodeCards(const std::string &text, std::vector<Card> *out);

    // Reads the lines of a state text into *out without validating it; false on any line-level rejection,
    // with *out then in an unspecified state. restoreState is this plus validate plus the move.
    static bool parseState(const std::string &text, GameCore *out);
    bool validate(std::string *error = nullptr) const;
    bool restoreState(const std::string &text);

    // --- State -----------------------------------------------------------------------------------------
    int playerCount = 2; // 2..4
    std::vector<Card> talon; // face down; top is back(); playedBy -1 throughout
    std::vector<std::vector<Card>> hands; // one per player, in order received; playedBy -1 throughout
    std::vector<Card> discard; // top is back(); never empty once dealt
    int currentPlayer = 0; // seat on turn; stays on the winner once the game is won
    int winner = -1; // -1 while running; the winner's hand is empty
    int requestedSuit = -1; // -1 or 0..3, set by chooseSuit; never together with requestedRank
    int requestedRank = -1; // -1 or 7..14, set by chooseRank
    int pendingDraw = 0; // 0 or a positive even number of cards the current player owes
    bool pendingSkip = false; // an Ace waits to be answered; never with pendingDraw > 0
    int pendingChoice = 0; // ChoiceKind owed by the current player
    int choiceOwner = -1; // -1 without a choice, else equal to currentPlayer
    std::vector<bool> announcements; // per player: declared Zavel for the card about to be played
    std::mt19937 rng; // the game's only random source; saved with the state

private:
    void dealFromEngine(); // the deal of newGame once rng holds its seed
    bool hasLegalMove(int player) const; // !legalMoves(player).empty(), without building the list
    std::size_t collectLegalMoves(int player, int *moves) const; // legalMoves into room for a whole hand
    int bestMoveAmong(int player, const int *moves, std::size_t count, AiDifficulty difficulty);
    void setAnnouncement(int player, bool declared); // ignores seats without a flag
    bool settleChoice(int player, ChoiceKind kind, int code); // the request after an Upper or a Lower
};

// The small queries are inline: the computer players and the legality checks call them in every step.

inline bool GameCore::validPlayer(int player) const
{
    return player >= 0 && player < playerCount;
}

inline int GameCore::nextPlayer(int player) const
{
    // A hand-edited core may hold no players at all; never divide by zero.
    if (playerCount < 1)
        return 0;
    return (player + 1) % playerCount;
}

inline const std::vector<Card> &GameCore::hand(int player) const
{
    static const std::vector<Card> noCards;
    if (!validPlayer(player) || static_cast<std::size_t>(player) >= hands.size())
        return noCards;
    return hands[static_cast<std::size_t>(player)];
}

inline const Card *GameCore::topCard() const
{
    return discard.empty() ? nullptr : &discard.back();
}

} // namespace Zavel

#endif
