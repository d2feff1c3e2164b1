// Costs of the rules engine on the paths a game takes: a computer decision with its rules operation applied,
// whole games, and the state text written, read and checked.
//
//   build/bench/bench_core --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

#include "gamecore.h"
#include "selfplay.h"

#include <benchmark/benchmark.h>

namespace {

Zavel::SelfPlaySetup uniformSetup(int players, Zavel::AiDifficulty level)
{
    Zavel::SelfPlaySetup setup;
    setup.levels.assign(static_cast<std::size_t>(players), static_cast<int>(level));
    setup.forgetful.assign(static_cast<std::size_t>(players), false);
    return setup;
}

// A mid-game state: 20 actions into a seeded 4-player game between Hard seats.
Zavel::GameCore midGame()
{
    Zavel::GameCore core(4, 2024);
    Zavel::SelfPlaySetup setup = uniformSetup(4, Zavel::AiDifficulty::Hard);
    setup.maxActions = 20;
    Zavel::playSelf(core, setup);
    return core;
}

// A pool of freshly dealt games, so that timed loops can start games without paying for the deal.
std::vector<Zavel::GameCore> dealtGames(int players, std::size_t count)
{
    std::vector<Zavel::GameCore> games;
    games.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        games.emplace_back(players, static_cast<unsigned>(i + 1));
    return games;
}

// Decisions are timed in whole 4-player games started from a copy of a dealt game and reported per decision:
// one chooseAiAction plus the rules operation that carries it out (the copy costs a few ns per decision).
void decision(benchmark::State &state)
{
    const auto level = static_cast<Zavel::AiDifficulty>(state.range(0));
    const Zavel::SelfPlaySetup setup = uniformSetup(4, level);
    const std::vector<Zavel::GameCore> pool = dealtGames(4, 1024);
    std::int64_t decisions = 0;
    std::size_t next = 0;
    Zavel::GameCore core(4, 1);
    for (auto _ : state) {
        core = pool[next++ % pool.size()];
        decisions += Zavel::playSelf(core, setup).actions;
    }
    state.counters["per_decision"]
        = benchmark::Counter(static_cast<double>(decisions), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(decision)->DenseRange(0, 3)->ArgName("level");

void wholeGame(benchmark::State &state)
{
    const int players = static_cast<int>(state.range(0));
    const Zavel::SelfPlaySetup setup = uniformSetup(players, static_cast<Zavel::AiDifficulty>(state.range(1)));
    unsigned seed = 1;
    std::int64_t actions = 0;
    for (auto _ : state) {
        Zavel::GameCore core(players, seed++);
        actions += Zavel::playSelf(core, setup).actions;
        benchmark::DoNotOptimize(core.winner);
    }
    state.counters["actions_per_game"]
        = benchmark::Counter(static_cast<double>(actions) / static_cast<double>(state.iterations()));
}
BENCHMARK(wholeGame)->ArgsProduct({{2, 4}, {0, 3}})->ArgNames({"players", "level"})->Unit(benchmark::kMicrosecond);

void deal(benchmark::State &state)
{
    unsigned seed = 1;
    for (auto _ : state) {
        Zavel::GameCore core(4, seed++);
        benchmark::DoNotOptimize(core.talon.data());
    }
}
BENCHMARK(deal);

void serializeState(benchmark::State &state)
{
    const Zavel::GameCore core = midGame();
    for (auto _ : state)
        benchmark::DoNotOptimize(core.serializeState());
}
BENCHMARK(serializeState);

void restoreState(benchmark::State &state)
{
    const std::string text = midGame().serializeState();
    Zavel::GameCore core(2, 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(core.restoreState(text));
}
BENCHMARK(restoreState);

void validate(benchmark::State &state)
{
    const Zavel::GameCore core = midGame();
    std::string error;
    for (auto _ : state)
        benchmark::DoNotOptimize(core.validate(&error));
}
BENCHMARK(validate);

} // namespace

BENCHMARK_MAIN();
