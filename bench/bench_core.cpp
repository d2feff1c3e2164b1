// Costs of the rules engine on the paths a game takes: a computer decision with its rules operation applied,
// whole games, the Expert's decisions and play-outs, and the state text written, read and checked.
//
//   build/bench/bench_core --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
//   build-release/bench/bench_core --benchmark_filter=expert

#include "expert.h"
#include "gamecore.h"
#include "playout.h"
#include "selfplay.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

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

// The turns of an Expert seat in seeded games against Hard seats, each with the history it had: a fixed set of
// the decisions the Expert meets in play, the ones with a single possible action included.
struct ExpertTurn
{
    Zavel::SeatView view;
    std::vector<Zavel::MoveRecord> history;
};

constexpr std::size_t expertTurnCount = 400;

std::vector<ExpertTurn> expertTurns(int players)
{
    std::vector<ExpertTurn> turns;
    for (unsigned seed = 1; turns.size() < expertTurnCount; ++seed) {
        Zavel::GameCore core(players, seed);
        std::vector<Zavel::MoveRecord> records{Zavel::dealRecord(core)};
        Zavel::SelfPlaySetup setup = uniformSetup(players, Zavel::AiDifficulty::Hard);
        setup.levels[seed % static_cast<unsigned>(players)] = Zavel::ExpertLevel;
        setup.records = &records;
        setup.maxActions = 1;
        while (core.winner == -1 && turns.size() < expertTurnCount) {
            const int seat = core.currentPlayer;
            if (setup.levels[static_cast<std::size_t>(seat)] == Zavel::ExpertLevel)
                turns.push_back({Zavel::seatView(core, seat, setup.levels), records});
            Zavel::playSelf(core, setup);
        }
    }
    return turns;
}

double percentile(std::vector<double> samples, double fraction)
{
    if (samples.empty())
        return 0.0;
    std::sort(samples.begin(), samples.end());
    return samples[std::min(samples.size() - 1, static_cast<std::size_t>(fraction * samples.size()))];
}

// One decision per iteration at the default budget, over the fixed set of turns: the median, the 99th percentile
// and the longest, over all turns and over those with more than one possible action (the ones that search), and the
// play-outs per second of the searching ones, their guessing of hidden cards included.
void expertDecision(benchmark::State &state)
{
    const std::vector<ExpertTurn> turns = expertTurns(static_cast<int>(state.range(0)));
    std::vector<double> all;
    std::vector<double> searched;
    double searchSeconds = 0;
    long long playouts = 0;
    std::size_t next = 0;
    for (auto _ : state) {
        const ExpertTurn &turn = turns[next++ % turns.size()];
        Zavel::ExpertReport report;
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(Zavel::expertAction(turn.view, turn.history, Zavel::ExpertSettings(), &report));
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        all.push_back(1000 * seconds);
        if (report.candidates > 1) {
            searched.push_back(1000 * seconds);
            searchSeconds += seconds;
            playouts += report.playouts;
        }
    }
    state.counters["p50_ms"] = percentile(all, 0.5);
    state.counters["p99_ms"] = percentile(all, 0.99);
    state.counters["max_ms"] = percentile(all, 1.0);
    state.counters["search_p50_ms"] = percentile(searched, 0.5);
    state.counters["search_p99_ms"] = percentile(searched, 0.99);
    state.counters["playouts_per_s"] = searchSeconds > 0 ? static_cast<double>(playouts) / searchSeconds : 0.0;
}
BENCHMARK(expertDecision)
    ->Arg(2)
    ->Arg(4)
    ->ArgName("players")
    ->Iterations(expertTurnCount)
    ->Unit(benchmark::kMillisecond);

// Play-outs alone: on each turn, its first possible action played out on the plain deal of its hidden cards, the
// game's own rules and levels driving every seat to the end.
struct PreparedPlayout
{
    Zavel::Playout playout;
    Zavel::HiddenDeal deal;
    Zavel::AiAction first;
};

void expertPlayout(benchmark::State &state)
{
    std::vector<PreparedPlayout> prepared;
    for (const ExpertTurn &turn : expertTurns(static_cast<int>(state.range(0)))) {
        PreparedPlayout p{Zavel::Playout(turn.view, 1), Zavel::plainDeal(turn.view), {}};
        p.first = p.playout.table(p.deal).chooseAiAction(turn.view.seat, Zavel::AiDifficulty::Hard);
        prepared.push_back(std::move(p));
    }
    std::size_t next = 0;
    for (auto _ : state) {
        PreparedPlayout &p = prepared[next++ % prepared.size()];
        benchmark::DoNotOptimize(p.playout.wins(p.deal, p.first));
    }
    state.counters["playouts_per_s"]
        = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(expertPlayout)->Arg(2)->Arg(4)->ArgName("players");

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
