// Costs of GameEngine on the interface thread: one autosave (it runs after every action, on the thread that
// draws the frames) and whole games driven through the object with animations off and no move delay.
//
//   build-release/bench/bench_engine --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

#include "gameengine.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QVariantMap>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

namespace {

// The autosave's cost per call, with its median and 99th percentile: a slow write stalls a frame.
void persistGame(benchmark::State &state)
{
    GameEngine engine;
    engine.persistGame();
    std::vector<double> samples;
    samples.reserve(100000);
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        engine.persistGame();
        samples.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(samples.begin(), samples.end());
    state.counters["median_us"] = samples[samples.size() / 2];
    state.counters["p99_us"] = samples[std::min(samples.size() - 1, samples.size() * 99 / 100)];
}
BENCHMARK(persistGame)->Unit(benchmark::kMicrosecond);

// Plays seat 0 as a simple player would: the first playable card, declaring when it can, the suit or rank it
// holds most of, drawing or taking the penalty otherwise. Returns false when seat 0 had nothing to do.
bool playHumanTurn(GameEngine &engine)
{
    const QVariantList hand = engine.playerHand();
    if (engine.needsSuitChoice() || engine.needsRankChoice()) {
        const QString key = engine.needsSuitChoice() ? QStringLiteral("suit") : QStringLiteral("rank");
        const int code
            = hand.isEmpty() ? (key == QLatin1String("suit") ? 0 : 7) : hand.front().toMap().value(key).toInt();
        engine.needsSuitChoice() ? engine.chooseSuit(code) : engine.chooseRank(code);
        return true;
    }
    if (engine.canDeclareZavel())
        engine.declareZavel();
    for (int i = 0; i < hand.size(); ++i) {
        if (engine.isPlayerCardPlayable(i)) {
            engine.playCard(i);
            return true;
        }
    }
    if (engine.canAcceptPenalty()) {
        engine.acceptPenalty();
        return true;
    }
    if (engine.canDraw()) {
        engine.drawCard();
        return true;
    }
    return false;
}

// Whole games through the engine, every phase completed by the engine itself. Actions are counted from the
// signals: plays open card flights, draws open draw phases of their own, and a skip or a choice ends with a
// state notification that no phase explains.
void engineGame(benchmark::State &state)
{
    GameEngine engine;
    engine.setPlayerCount(static_cast<int>(state.range(0)));
    engine.setAnimationsEnabled(false);
    engine.setAiPlayDelay(0);
    for (int seat = 1; seat <= 3; ++seat)
        engine.setDifficulty(seat, 3);

    long long flights = 0, flightsWithDraws = 0, draws = 0, notifications = 0, declarations = 0, games = 0;
    QObject::connect(&engine, &GameEngine::cardAnimationRequested,
                     [&](const QString &, int, int, const QVariantList &followups) {
                         ++flights;
                         flightsWithDraws += followups.isEmpty() ? 0 : 1;
                     });
    QObject::connect(&engine, &GameEngine::drawAnimationRequested, [&] { ++draws; });
    QObject::connect(&engine, &GameEngine::roundResultChanged, [&] { ++notifications; });
    QObject::connect(&engine, &GameEngine::lastEventChanged,
                     [&] { declarations += engine.lastEvent() == GameEngine::tr("Zavél!") ? 1 : 0; });

    for (auto _ : state) {
        engine.newGame();
        ++games;
        while (engine.winnerPlayer() < 0) {
            if (!engine.playerInputEnabled() || !playHumanTurn(engine))
                QCoreApplication::processEvents();
        }
        // The last phase ends on the next pass of the event loop.
        while (engine.visualPhase() != GameEngine::Idle)
            QCoreApplication::processEvents();
    }
    const long long phases = flights + draws + games;
    const long long silentActions = notifications - phases - declarations;
    const long long actions = flights + (draws - flightsWithDraws) + silentActions;
    state.counters["actions_per_game"] = benchmark::Counter(static_cast<double>(actions) / static_cast<double>(games));
    state.counters["per_action"]
        = benchmark::Counter(static_cast<double>(actions), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(engineGame)->Arg(2)->Arg(4)->ArgName("players")->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("org.brenvik"));
    QCoreApplication::setApplicationName(QStringLiteral("harbour-zavel-bench"));
    // The autosave goes to Qt's test location, never over a player's game.
    QStandardPaths::setTestModeEnabled(true);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).removeRecursively();
    return 0;
}
