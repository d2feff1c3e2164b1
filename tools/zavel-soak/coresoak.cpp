// Every game is played twice from the same seed: once straight through, and once one action at a time where
// after every action the state must pass validate, its text must restore into a fresh game that writes the
// identical text and whose random engine gives the same next outputs, and play then goes on from that restored
// copy instead of the original. Both runs must end in the identical final text: a restore anywhere in a game
// changes nothing about the rest of it.

#include "coresoak.h"

#include "gamecore.h"
#include "selfplay.h"

#include <iostream>

namespace Soak {

namespace {

constexpr long long actionCap = 10000;
constexpr long long failuresShown = 5;

struct GameSetup
{
    int players = 2;
    Zavel::SelfPlaySetup play;
    std::uint32_t seed = 0;

    std::string describe() const
    {
        std::string levels;
        for (int level : play.levels)
            levels += (levels.empty() ? "" : ",") + std::to_string(level);
        std::string out = "players " + std::to_string(players) + " seed " + std::to_string(seed) + " levels " + levels;
        for (std::size_t seat = 0; seat < play.forgetful.size(); ++seat) {
            if (play.forgetful[seat])
                out += " forgetful " + std::to_string(seat);
        }
        return out;
    }
};

// Game i cycles through the player counts, and within each count through all its mixes of levels (4^players):
// 336 mixes in all. Every fifth game one seat never declares, so that the declaration penalty is played too.
GameSetup setupFor(long long i, std::uint32_t firstSeed)
{
    GameSetup setup;
    setup.players = 2 + static_cast<int>(i % 3);
    long long mix = i / 3;
    for (int seat = 0; seat < setup.players; ++seat) {
        setup.play.levels.push_back(static_cast<int>(mix % 4));
        mix /= 4;
    }
    setup.play.forgetful.assign(static_cast<std::size_t>(setup.players), false);
    if (i % 5 == 4)
        setup.play.forgetful[static_cast<std::size_t>(i / 5 % setup.players)] = true;
    setup.play.maxActions = actionCap;
    setup.seed = firstSeed + static_cast<std::uint32_t>(i);
    return setup;
}

bool sameOutputs(std::mt19937 a, std::mt19937 b)
{
    for (int i = 0; i < 8; ++i) {
        if (a() != b())
            return false;
    }
    return true;
}

// The first fault of one game, or an empty string.
std::string playChecked(const GameSetup &setup, long long *actions, bool *unfinished)
{
    Zavel::GameCore straight(setup.players, setup.seed);
    const Zavel::SelfPlayOutcome expected = Zavel::playSelf(straight, setup.play);
    if (expected.stalled)
        return "the game stalled with nobody to move:\n" + straight.serializeState();

    Zavel::GameCore live(setup.players, setup.seed);
    Zavel::SelfPlaySetup oneAction = setup.play;
    oneAction.maxActions = 1;
    long long count = 0;
    std::string error;
    while (live.winner == -1 && count < actionCap) {
        if (Zavel::playSelf(live, oneAction).stalled)
            return "stalled after " + std::to_string(count) + " actions";
        ++count;
        const std::string where = " after action " + std::to_string(count);
        if (!live.validate(&error))
            return "invalid state" + where + ": " + error + "\n" + live.serializeState();
        const std::string text = live.serializeState();
        Zavel::GameCore restored(2, 1);
        if (!restored.restoreState(text))
            return "the state text does not restore" + where + ":\n" + text;
        if (restored.serializeState() != text)
            return "the restored game writes a different text" + where + ":\n" + text;
        if (!sameOutputs(live.rng, restored.rng))
            return "the restored random engine diverges" + where;
        live = std::move(restored);
    }
    *actions += count;
    *unfinished = live.winner == -1;
    if (count != expected.actions || live.serializeState() != straight.serializeState())
        return "restoring after every action changed the game: " + std::to_string(count) + " actions instead of "
            + std::to_string(expected.actions) + ", final state\n" + live.serializeState() + "instead of\n"
            + straight.serializeState();
    return std::string();
}

} // namespace

CoreTotals soakCore(long long games, std::uint32_t firstSeed)
{
    CoreTotals totals;
    for (long long i = 0; i < games; ++i) {
        const GameSetup setup = setupFor(i, firstSeed);
        bool unfinished = false;
        const std::string fault = playChecked(setup, &totals.actions, &unfinished);
        ++totals.games;
        totals.unfinished += unfinished ? 1 : 0;
        if (fault.empty())
            continue;
        if (++totals.failures <= failuresShown)
            std::cerr << "core game " << i << " (" << setup.describe() << "): " << fault << '\n';
    }
    return totals;
}

} // namespace Soak
