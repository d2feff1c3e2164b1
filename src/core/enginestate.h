#ifndef ZAVEL_ENGINESTATE_H
#define ZAVEL_ENGINESTATE_H

// The complete state of the game's std::mt19937 as plain numbers: 624 words in storage order and the position
// index, the same numbers, in the same order, as the engine's stream insertion writes and extraction reads.
//
// The state text is written after every action and read at every start, and formatting 625 numbers through
// a stream costs more than the rest of the game's work together. With libstdc++ the words are therefore
// copied straight out of (and into) the engine object, whose layout is fixed by that library's ABI; elsewhere
// the stream operators are used. A test keeps both paths equal.

#include <cstdint>
#include <random>

namespace Zavel {

struct EngineState
{
    std::uint32_t words[std::mt19937::state_size];
    std::uint64_t index;
};

void saveEngine(const std::mt19937 &engine, EngineState *state);

// The index is taken as given: at 624 or more the engine regenerates its words at the next output.
void loadEngine(const EngineState &state, std::mt19937 *engine);

} // namespace Zavel

#endif
