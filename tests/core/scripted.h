#ifndef ZAVEL_TESTS_SCRIPTED_H
#define ZAVEL_TESTS_SCRIPTED_H

// Helpers of the rules engine tests, beside the suites' notation for a game (gametext.h): the state text as bytes
// for comparisons, and a random engine whose next outputs a test chooses.

#include "enginestate.h"
#include "gametext.h"

#include <QByteArray>

namespace Scripted {

using namespace Zavel;
using GameText::cards;
using GameText::game;
using GameText::setSituation;

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
