#ifndef ZAVEL_TESTS_GAMETEXT_H
#define ZAVEL_TESTS_GAMETEXT_H

// A game written as words, the one way the test suites write a game down:
//
//     H 8B KB KH H! 8H 9H D TA 7A/1 T KL turn=1 draw=2
//
// "H" opens the next seat's hand ("H!" a seat that has declared Zavel), "D" the discard pile and "T" the talon's
// top, each listed bottom first; the cards not named lie under the talon in deck order, or in the hand marked "*".
// A card is its rank then its suit (ranks 789TLUKA, suits BLAH: "UB" is the Upper of Bells), with "/n" for the
// seat that played it onto the pile. Options set the rest of the state, which is otherwise none: turn=, win= (the
// winner, also on turn unless a turn= follows), suit= and rank= (a standing request), draw= (a draw penalty),
// choice= (1 a suit, 2 a rank, owed by the seat on turn) and skip. The random engine is the one a deal from seed 1
// leaves.

#include "gamecore.h"

#include <algorithm>
#include <sstream>
#include <string>

namespace GameText {

inline Zavel::Card card(const std::string &word)
{
    const auto code = [](const char *codes, char c) {
        return int(std::string(codes).find(c));
    };
    return Zavel::Card{7 + code("789TLUKA", word.at(0)), code("BLAH", word.at(1)),
                       word.size() > 3 ? std::stoi(word.substr(3)) : -1};
}

// The word of a card, without the seat that played it.
inline std::string word(const Zavel::Card &card)
{
    const auto code = [](const char *codes, int index) {
        return index >= 0 && index < 8 ? codes[index] : '?';
    };
    return {code("789TLUKA", card.rank - 7), code("BLAH", card.suit)};
}

inline std::vector<Zavel::Card> cards(const std::string &words)
{
    std::vector<Zavel::Card> out;
    std::istringstream in(words);
    for (std::string word; in >> word;)
        out.push_back(card(word));
    return out;
}

// Sets the options among the words (turn, winner, requests, penalties, the owed choice) and clears the others.
inline void setSituation(Zavel::GameCore &core, const std::string &words)
{
    core.currentPlayer = 0;
    core.winner = core.requestedSuit = core.requestedRank = -1;
    core.pendingDraw = core.pendingChoice = 0;
    core.pendingSkip = false;
    std::istringstream in(words);
    for (std::string word; in >> word;) {
        const std::string key = word.substr(0, word.find('='));
        const int value = word.find('=') == std::string::npos ? 0 : std::stoi(word.substr(word.find('=') + 1));
        if (key == "turn" || key == "win")
            core.currentPlayer = value;
        if (key == "win")
            core.winner = value;
        else if (key == "suit")
            core.requestedSuit = value;
        else if (key == "rank")
            core.requestedRank = value;
        else if (key == "draw")
            core.pendingDraw = value;
        else if (key == "choice")
            core.pendingChoice = value;
        else if (key == "skip")
            core.pendingSkip = true;
    }
    core.choiceOwner = core.pendingChoice != 0 ? core.currentPlayer : -1;
}

// The game the words describe, valid or not: a test of the validator writes broken ones too.
inline Zavel::GameCore game(const std::string &words)
{
    Zavel::GameCore core(2, 1);
    core.hands.clear();
    core.announcements.clear();
    core.discard.clear();
    core.talon.clear();
    std::vector<Zavel::Card> rest = Zavel::buildDeck();
    std::vector<Zavel::Card> *pile = &core.talon;
    std::size_t restHand = 0; // 1 + the hand that takes the cards not named
    std::string options;
    std::istringstream in(words);
    for (std::string word; in >> word;) {
        if (word == "H" || word == "H!") {
            core.hands.emplace_back();
            core.announcements.push_back(word == "H!");
            pile = &core.hands.back();
        } else if (word == "*") {
            restHand = core.hands.size();
        } else if (word == "D" || word == "T") {
            pile = word == "D" ? &core.discard : &core.talon;
        } else if (word.find('=') != std::string::npos || word == "skip") {
            options += word + ' ';
        } else {
            pile->push_back(card(word));
            const Zavel::Card named = pile->back();
            rest.erase(std::remove_if(rest.begin(), rest.end(),
                                      [&](const Zavel::Card &c) { return Zavel::sameCard(c, named); }),
                       rest.end());
        }
    }
    if (restHand > 0)
        core.hands[restHand - 1].insert(core.hands[restHand - 1].end(), rest.begin(), rest.end());
    else
        core.talon.insert(core.talon.begin(), rest.begin(), rest.end());
    core.playerCount = int(core.hands.size());
    setSituation(core, options);
    return core;
}

inline std::string stateText(const std::string &words)
{
    return game(words).serializeState();
}

} // namespace GameText

#endif
