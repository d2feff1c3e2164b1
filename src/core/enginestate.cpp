#include "enginestate.h"

#include <cstring>
#include <sstream>
#include <type_traits>

namespace Zavel {

#if defined(__GLIBCXX__)

namespace {

// libstdc++ keeps exactly these two members, in this order.
struct Layout
{
    std::mt19937::result_type x[std::mt19937::state_size];
    std::size_t p;
};

static_assert(sizeof(Layout) == sizeof(std::mt19937), "unexpected std::mt19937 layout");
static_assert(std::is_trivially_copyable<std::mt19937>::value, "std::mt19937 is not trivially copyable");

} // namespace

void saveEngine(const std::mt19937 &engine, EngineState *state)
{
    Layout layout;
    std::memcpy(&layout, &engine, sizeof layout);
    for (std::size_t i = 0; i < std::mt19937::state_size; ++i)
        state->words[i] = static_cast<std::uint32_t>(layout.x[i]);
    state->index = layout.p;
}

void loadEngine(const EngineState &state, std::mt19937 *engine)
{
    Layout layout;
    for (std::size_t i = 0; i < std::mt19937::state_size; ++i)
        layout.x[i] = state.words[i];
    layout.p = static_cast<std::size_t>(state.index);
    std::memcpy(static_cast<void *>(engine), &layout, sizeof layout);
}

#else

void saveEngine(const std::mt19937 &engine, EngineState *state)
{
    std::stringstream stream;
    stream.imbue(std::locale::classic());
    stream << engine;
    for (std::uint32_t &word : state->words)
        stream >> word;
    stream >> state->index;
}

void loadEngine(const EngineState &state, std::mt19937 *engine)
{
    std::stringstream stream;
    stream.imbue(std::locale::classic());
    for (std::uint32_t word : state.words)
        stream << word << ' ';
    stream << state.index;
    stream >> *engine;
}

#endif

} // namespace Zavel
