// Fuzz target for GameCore::restoreState, the reader of a whole saved game.
//
// Every input is restored over a live game. A rejected text must leave that game exactly as it was, its random
// engine included (the state text and the engine's next outputs are compared). An accepted text must be
// accepted by the stream-based reference reader too, describe the game that reader built, and serialise to a
// text that restores again to the identical text. The accepted game is then played on for a few actions,
// once as restored and once from its own restored text: both must stay valid and end in the same state, since
// the random engine travels with the text.

#include "fuzzcheck.h"
#include "gamecore.h"
#include "referencereader.h"
#include "selfplay.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

// Live games the inputs are restored over: a fresh deal, a four-player game in progress and a finished one.
const std::vector<Zavel::GameCore> &liveGames()
{
    static const std::vector<Zavel::GameCore> games = [] {
        std::vector<Zavel::GameCore> out;
        out.emplace_back(2, 1);
        Zavel::GameCore running(4, 12);
        Zavel::SelfPlaySetup setup;
        setup.levels = {3, 2, 1, 0};
        setup.maxActions = 9;
        Zavel::playSelf(running, setup);
        out.push_back(running);
        Zavel::GameCore finished(3, 5);
        setup.levels = {1, 2, 3};
        setup.maxActions = 10000;
        Zavel::playSelf(finished, setup);
        out.push_back(finished);
        return out;
    }();
    return games;
}

bool sameOutputs(std::mt19937 a, std::mt19937 b)
{
    // Past 624 outputs the engines have regenerated their words at least once.
    for (int i = 0; i < 700; ++i) {
        if (a() != b())
            return false;
    }
    return true;
}

// Plays a few actions; the state must stay valid throughout.
std::string playOn(Zavel::GameCore core, const std::vector<int> &levels)
{
    Zavel::SelfPlaySetup setup;
    setup.levels = levels;
    setup.maxActions = 1;
    for (int step = 0; step < 6 && core.winner == -1; ++step) {
        if (Zavel::playSelf(core, setup).stalled)
            break;
        FUZZ_CHECK(core.validate());
    }
    return core.serializeState();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    const std::vector<Zavel::GameCore> &games = liveGames();
    Zavel::GameCore live = games[size % games.size()];
    const std::string before = live.serializeState();

    Zavel::GameCore reference(2, 1);
    const bool referenceAccepts = ReferenceReader::readState(text, &reference);
    const bool accepted = live.restoreState(text);
    FUZZ_CHECK(accepted == referenceAccepts);

    if (!accepted) {
        FUZZ_CHECK(live.serializeState() == before);
        FUZZ_CHECK(sameOutputs(live.rng, games[size % games.size()].rng));
        return 0;
    }

    const std::string written = live.serializeState();
    FUZZ_CHECK(live.validate());
    FUZZ_CHECK(written == reference.serializeState());
    FUZZ_CHECK(live.rng == reference.rng);

    Zavel::GameCore again(3, 2);
    FUZZ_CHECK(again.restoreState(written));
    FUZZ_CHECK(again.serializeState() == written);
    FUZZ_CHECK(sameOutputs(again.rng, live.rng));

    // Levels for the seats from the first bytes, so that the fuzzer steers the computer players too.
    std::vector<int> levels;
    for (int seat = 0; seat < live.playerCount; ++seat)
        levels.push_back(static_cast<std::size_t>(seat) < size ? data[seat] % 4 : 1);
    FUZZ_CHECK(playOn(live, levels) == playOn(again, levels));
    return 0;
}
