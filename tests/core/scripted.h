#ifndef ZAVEL_TESTS_SCRIPTED_H
#define ZAVEL_TESTS_SCRIPTED_H

// Shared helpers of the rules engine tests: cards written as short codes, scripted game states and random engines
// whose next outputs are fixed.
//
// A card is two characters, rank then suit, optionally followed by "/" and the seat that played it:
//   ranks 7 8 9 T(en) L(ower) U(pper) K(ing) A(ce); suits B(ells) L(eaves) A(corns) H(earts).
// "UB" is the Upper of Bells, "AH" the Ace of Hearts, "LL" the Lower of Leaves, "9L/1" a Nine of Leaves that
// player 1 played. A card list is a blank-separated sequence of codes.

#include "gamecore.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace Scripted {

using Zavel::Card;

inline Card card(const std::string &code)
{
    static const std::string ranks = "789TLUKA";
    static const std::string suits = "BLAH";
    Card c;
    c.rank = 7 + static_cast<int>(ranks.find(code.at(0)));
    c.suit = static_cast<int>(suits.find(code.at(1)));
    if (code.size() > 3 && code[2] == '/')
        c.playedBy = std::stoi(code.substr(3));
    return c;
}

inline std::vector<Card> cards(const std::string &text)
{
    std::vector<Card> out;
    std::istringstream in(text);
    std::string code;
    while (in >> code)
        out.push_back(card(code));
    return out;
}

// The inverse of cards(), so that whole lists compare in one readable QCOMPARE.
inline QString names(const std::vector<Card> &list)
{
    static const char ranks[] = "789TLUKA";
    static const char suits[] = "BLAH";
    QStringList out;
    for (const Card &c : list) {
        const bool valid = c.rank >= 7 && c.rank <= 14 && c.suit >= 0 && c.suit <= 3;
        QString code = valid ? QString(QChar(ranks[c.rank - 7])) + QChar(suits[c.suit])
                             : QStringLiteral("?%1,%2").arg(c.rank).arg(c.suit);
        if (c.playedBy != -1)
            code += QStringLiteral("/%1").arg(c.playedBy);
        out << code;
    }
    return out.join(QLatin1Char(' '));
}

inline QByteArray bytes(const std::string &text)
{
    return QByteArray::fromStdString(text);
}

inline QString indexes(const std::vector<int> &list)
{
    QStringList out;
    for (int i : list)
        out << QString::number(i);
    return out.join(QLatin1Char(' '));
}

inline int deckIndex(const Card &c)
{
    return (c.rank - 7) + 8 * c.suit;
}

// A running game with the given hands (seat order) and discard pile (bottom first). talonTop lies on top of the
// talon (bottom first, so its last card is drawn first); every other card of the deck lies below it in deck
// order, or, with restUnderDiscard, at the bottom of the discard pile so that the talon is exactly talonTop.
// Player 0 is on turn, nothing is pending, nobody has declared, and the engine is seeded with 1.
inline Zavel::GameCore game(const std::vector<std::string> &hands, const std::string &discard,
                            const std::string &talonTop = std::string(), bool restUnderDiscard = false)
{
    Zavel::GameCore core(static_cast<int>(hands.size()), 1);
    std::vector<bool> used(32, false);
    auto take = [&used](const std::vector<Card> &list) {
        for (const Card &c : list)
            used[static_cast<std::size_t>(deckIndex(c))] = true;
        return list;
    };
    core.hands.clear();
    for (const std::string &h : hands)
        core.hands.push_back(take(cards(h)));
    core.discard = take(cards(discard));
    const std::vector<Card> top = take(cards(talonTop));
    std::vector<Card> rest;
    for (int suit = 0; suit < 4; ++suit) {
        for (int rank = 7; rank <= 14; ++rank) {
            if (!used[static_cast<std::size_t>((rank - 7) + 8 * suit)])
                rest.push_back(Card{rank, suit, -1});
        }
    }
    if (restUnderDiscard) {
        core.discard.insert(core.discard.begin(), rest.begin(), rest.end());
        core.talon = top;
    } else {
        core.talon = rest;
        core.talon.insert(core.talon.end(), top.begin(), top.end());
    }
    core.announcements.assign(hands.size(), false);
    return core;
}

// The turn and whatever is pending, as one line: "turn 1 draw 4", "turn 0 choice 1 by 0", "turn 2 rank 9 skip",
// "turn 1 won by 1". setSituation reads the same words (any subset, in any order) into a game.
inline QString situation(const Zavel::GameCore &c)
{
    QStringList out{QStringLiteral("turn %1").arg(c.currentPlayer)};
    if (c.winner != -1)
        out << QStringLiteral("won by %1").arg(c.winner);
    if (c.requestedSuit != -1)
        out << QStringLiteral("suit %1").arg(c.requestedSuit);
    if (c.requestedRank != -1)
        out << QStringLiteral("rank %1").arg(c.requestedRank);
    if (c.pendingDraw != 0)
        out << QStringLiteral("draw %1").arg(c.pendingDraw);
    if (c.pendingSkip)
        out << QStringLiteral("skip");
    if (c.pendingChoice != 0 || c.choiceOwner != -1)
        out << QStringLiteral("choice %1 by %2").arg(c.pendingChoice).arg(c.choiceOwner);
    return out.join(QLatin1Char(' '));
}

inline void setSituation(Zavel::GameCore &c, const QString &text)
{
    const QStringList words = text.split(QLatin1Char(' '));
    for (int i = 0; i < words.size(); ++i) {
        const int value = i + 1 < words.size() ? words[i + 1].toInt() : 0;
        if (words[i] == QLatin1String("turn"))
            c.currentPlayer = value;
        else if (words[i] == QLatin1String("won"))
            c.winner = words.value(i + 2).toInt();
        else if (words[i] == QLatin1String("suit"))
            c.requestedSuit = value;
        else if (words[i] == QLatin1String("rank"))
            c.requestedRank = value;
        else if (words[i] == QLatin1String("draw"))
            c.pendingDraw = value;
        else if (words[i] == QLatin1String("skip"))
            c.pendingSkip = true;
        else if (words[i] == QLatin1String("choice")) {
            c.pendingChoice = value;
            c.choiceOwner = words.value(i + 3).toInt();
        }
    }
}

// Carries out a computer player's action through the rule operations; false when they refuse it.
inline bool apply(Zavel::GameCore &core, int seat, const Zavel::AiAction &action)
{
    switch (action.type) {
    case Zavel::AiActionType::Play:
        return core.playCard(seat, action.handIndex).ok;
    case Zavel::AiActionType::Draw:
        return core.drawCard(seat).ok;
    case Zavel::AiActionType::AcceptPenalty:
        return core.acceptPenalty(seat).ok;
    case Zavel::AiActionType::ChooseSuit:
        return core.chooseSuit(seat, action.choice);
    case Zavel::AiActionType::ChooseRank:
        return core.chooseRank(seat, action.choice);
    case Zavel::AiActionType::None:
        break;
    }
    return false;
}

// MT19937 output tempering, inverted: the state word that the engine turns into `out`.
inline std::uint32_t untemper(std::uint32_t out)
{
    auto undoRight = [](std::uint32_t y, int shift) {
        std::uint32_t x = y;
        for (int i = 0; i < 32; ++i)
            x = y ^ (x >> shift);
        return x;
    };
    auto undoLeft = [](std::uint32_t y, int shift, std::uint32_t mask) {
        std::uint32_t x = y;
        for (int i = 0; i < 32; ++i)
            x = y ^ ((x << shift) & mask);
        return x;
    };
    std::uint32_t y = undoRight(out, 18);
    y = undoLeft(y, 15, 0xEFC60000u);
    y = undoLeft(y, 7, 0x9D2C5680u);
    return undoRight(y, 11);
}

// An engine whose next outputs are exactly `outputs`, then zeros up to the 624th: the state words are the
// untempered outputs and the position index is 0, so nothing is regenerated before the 625th output.
inline std::mt19937 engineWithOutputs(const std::vector<std::uint32_t> &outputs)
{
    std::ostringstream text;
    for (std::size_t i = 0; i < 624; ++i)
        text << (i < outputs.size() ? untemper(outputs[i]) : 0u) << ' ';
    text << 0;
    std::mt19937 engine;
    std::istringstream in(text.str());
    in >> engine;
    return engine;
}

inline std::vector<std::string> lines(const std::string &text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line))
        out.push_back(line);
    return out;
}

inline std::string joinLines(const std::vector<std::string> &list)
{
    std::string out;
    for (const std::string &line : list)
        out += line + '\n';
    return out;
}

} // namespace Scripted

#endif
