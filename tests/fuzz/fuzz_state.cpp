// Fuzz target for GameCore::restoreState, the reader of a whole saved game. Every input is restored over a
// live game: a fresh deal, a four-player game in progress or a finished one. A rejected text must leave that
// game exactly as it was, its random engine included. An accepted text must give a valid game whose state
// text restores again to the identical text and the identical random engine.

#include "fuzzcheck.h"
#include "gamecore.h"
#include "selfplay.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

Zavel::GameCore played(int players, unsigned seed, std::vector<int> levels, long long actions)
{
    Zavel::GameCore core(players, seed);
    Zavel::SelfPlaySetup setup;
    setup.levels = std::move(levels);
    setup.maxActions = actions;
    Zavel::playSelf(core, setup);
    return core;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const std::vector<Zavel::GameCore> liveGames = [] {
        std::vector<Zavel::GameCore> games
            = {Zavel::GameCore(2, 1), played(4, 12, {3, 2, 1, 0}, 9), played(3, 5, {1, 2, 3}, 10000)};
        // Games made by play rather than by a restore: their own texts must bring them back exactly.
        for (const Zavel::GameCore &game : games) {
            Zavel::GameCore copy(2, 1);
            FUZZ_CHECK(copy.restoreState(game.serializeState()) && copy.rng == game.rng);
        }
        return games;
    }();
    const Zavel::GameCore &original = liveGames[size % liveGames.size()];
    Zavel::GameCore live = original;
    const std::string text(reinterpret_cast<const char *>(data), size);

    if (!live.restoreState(text)) {
        FUZZ_CHECK(live.serializeState() == original.serializeState());
        FUZZ_CHECK(live.rng == original.rng);
        return 0;
    }
    FUZZ_CHECK(live.validate());
    const std::string written = live.serializeState();
    Zavel::GameCore again(3, 2);
    FUZZ_CHECK(again.restoreState(written));
    FUZZ_CHECK(again.serializeState() == written);
    FUZZ_CHECK(again.rng == live.rng);
    return 0;
}
