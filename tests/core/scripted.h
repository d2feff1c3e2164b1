#ifndef ZAVEL_TESTS_SCRIPTED_H
#define ZAVEL_TESTS_SCRIPTED_H

// Helpers of the rules engine tests. A card is written rank then suit, with "/seat" when played: ranks 789TLUKA,
// suits BLAH, so "UB" is the Upper of Bells and "9L/1" a Nine of Leaves that seat 1 played.

#include "enginestate.h"
#include "gamecore.h"

#include <QStringList>

#include <sstream>

namespace Scripted {

using namespace Zavel;

inline std::vector<Card> cards(const std::string &text)
{
    std::vector<Card> out;
    std::istringstream in(text);
    for (std::string c; in >> c;)
        out.push_back(Card{7 + int(std::string("789TLUKA").find(c[0])), int(std::string("BLAH").find(c[1])),
                           c.size() > 3 ? std::stoi(c.substr(3)) : -1});
    return out;
}

inline QByteArray bytes(const std::string &text)
{
    return QByteArray::fromStdString(text);
}

// The second line of the state text: player count, turn, winner, requests and what is pending.
inline QByteArray scalars(const GameCore &core)
{
    const std::string text = core.serializeState();
    return bytes(text.substr(15, text.find('\n', 15) - 15));
}

// Sets turn and pending effects from words ("turn 1 draw 4", "choice 1 by 0", "won 1 skip"), the rest to none.
inline void setSituation(GameCore &c, const QString &text)
{
    const QStringList w = text.split(' ');
    auto value = [&w](const char *word, int none) {
        return w.contains(word) ? w[w.indexOf(word) + 1].toInt() : none;
    };
    c.currentPlayer = value("turn", 0);
    c.winner = value("won", -1);
    c.requestedSuit = value("suit", -1);
    c.requestedRank = value("rank", -1);
    c.pendingDraw = value("draw", 0);
    c.pendingChoice = value("choice", 0);
    c.choiceOwner = value("by", -1);
    c.pendingSkip = w.contains("skip");
}

// These hands and pile (bottom first), the other cards in the talon in deck order, seat 0 on turn.
inline GameCore game(const std::vector<std::string> &hands, const std::string &discard)
{
    GameCore core(int(hands.size()), 1);
    std::string all = discard;
    core.hands.clear();
    for (const std::string &h : hands) {
        core.hands.push_back(cards(h));
        all += ' ' + h;
    }
    core.talon.clear();
    for (const Card &c : buildDeck()) {
        if (all.find({"789TLUKA"[c.rank - 7], "BLAH"[c.suit]}) == std::string::npos)
            core.talon.push_back(c);
    }
    core.discard = cards(discard);
    core.announcements.assign(hands.size(), false);
    return core;
}

// An engine whose next outputs are `outputs`, then zeros, advanced by `skip`; 32 rounds undo an xor-shift.
inline std::uint32_t undo(std::uint32_t v, int shift, std::uint32_t mask)
{
    std::uint32_t x = v;
    for (int i = 0; i < 32; ++i)
        x = v ^ ((shift > 0 ? x << shift : x >> -shift) & mask);
    return x;
}

inline std::mt19937 engineWithOutputs(const std::vector<std::uint32_t> &outputs, unsigned long long skip = 0)
{
    EngineState state{};
    for (std::size_t i = 0; i < outputs.size(); ++i)
        state.words[i] = undo(undo(undo(undo(outputs[i], -18, ~0u), 15, 0xEFC60000u), 7, 0x9D2C5680u), -11, ~0u);
    std::mt19937 engine;
    loadEngine(state, &engine);
    engine.discard(skip);
    return engine;
}

} // namespace Scripted

#endif
