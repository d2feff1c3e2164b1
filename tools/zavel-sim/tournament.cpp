#include "commands.h"
#include "options.h"
#include "selfplay.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <iostream>

namespace Sim {

namespace {

const char *levelName(int level)
{
    static const char *const names[] = {"Random", "Easy", "Normal", "Hard", "Expert"};
    return level >= 0 && level <= 4 ? names[level] : "?";
}

// Wilson score interval at 95%: sound also for win rates near 0 or 1 and for few games.
void wilsonInterval(long long wins, long long games, double *low, double *high)
{
    if (games == 0) {
        *low = *high = 0.0;
        return;
    }
    const double z = 1.959963984540054;
    const double n = static_cast<double>(games);
    const double p = static_cast<double>(wins) / n;
    const double centre = (p + z * z / (2 * n)) / (1 + z * z / n);
    const double half = z * std::sqrt(p * (1 - p) / n + z * z / (4 * n * n)) / (1 + z * z / n);
    *low = std::max(0.0, centre - half);
    *high = std::min(1.0, centre + half);
}

struct Tally
{
    std::vector<long long> seatWins; // by seat
    std::vector<long long> entryWins; // by position in the --levels list
    long long games = 0;
    long long totalActions = 0;
    long long longest = 0;
    long long capped = 0;
    long long stalled = 0;
    double seconds = 0;
};

void printRow(const char *label, std::size_t index, const char *level, long long wins, long long games)
{
    double low = 0;
    double high = 0;
    wilsonInterval(wins, games, &low, &high);
    const double rate = games ? 100.0 * static_cast<double>(wins) / static_cast<double>(games) : 0.0;
    std::printf("%-5s %-2zu  %-8s %6lld   %6.2f%%   %6.2f%% - %6.2f%%\n", label, index, level, wins, rate, 100 * low,
                100 * high);
}

void printTable(const Tally &tally, const std::vector<int> &levels, std::uint64_t firstSeed, long long cap, bool rotate)
{
    std::printf("%lld games, %zu players, seeds %llu to %llu, action cap %lld%s\n\n", tally.games, levels.size(),
                static_cast<unsigned long long>(firstSeed),
                static_cast<unsigned long long>(firstSeed + static_cast<std::uint64_t>(tally.games) - 1), cap,
                rotate ? ", levels rotated round the table" : "");
    std::printf("            level        wins   win rate   95%% interval\n");
    for (std::size_t seat = 0; seat < levels.size(); ++seat)
        printRow("seat", seat, rotate ? "(all)" : levelName(levels[seat]), tally.seatWins[seat], tally.games);
    if (rotate) {
        std::printf("\n");
        for (std::size_t entry = 0; entry < levels.size(); ++entry)
            printRow("level", entry, levelName(levels[entry]), tally.entryWins[entry], tally.games);
    }
    const double average
        = tally.games ? static_cast<double>(tally.totalActions) / static_cast<double>(tally.games) : 0.0;
    std::printf("\nactions per game: average %.1f, longest %lld\n", average, tally.longest);
    std::printf("stopped by the action cap: %lld; stalled without an action: %lld\n", tally.capped, tally.stalled);
    const double speed = tally.seconds > 0 ? static_cast<double>(tally.games) / tally.seconds : 0.0;
    std::printf("speed: %.0f games per second (%.3f s)\n", speed, tally.seconds);
}

} // namespace

int runTournament(const std::vector<std::string> &args, std::string *error)
{
    ParsedArgs parsed;
    if (!parsed.parse(args,
                      {{"--players", true},
                       {"--levels", true},
                       {"--games", true},
                       {"--seed", true},
                       {"--max-actions", true},
                       {"--rotate", false},
                       {"--playouts", true}},
                      error))
        return UsageStatus;

    std::uint64_t players = 0;
    std::uint64_t games = 0;
    std::uint64_t seed = 1;
    std::uint64_t maxActions = 10000;
    Zavel::SelfPlaySetup setup;
    if (!requireNumber(parsed, "--players", 2, 4, &players, error)
        || !parseLevels(parsed, static_cast<int>(players), &setup.levels, error)
        || !requireNumber(parsed, "--games", 1, 100000000, &games, error))
        return UsageStatus;
    if (parsed.has("--seed") && !parseNumber("--seed", parsed.value("--seed"), 0, 4294967295u, &seed, error))
        return UsageStatus;
    if (parsed.has("--max-actions")
        && !parseNumber("--max-actions", parsed.value("--max-actions"), 1, 1000000000, &maxActions, error))
        return UsageStatus;
    if (!parsePlayouts(parsed, &setup.expert.playouts, error))
        return UsageStatus;
    setup.forgetful.assign(static_cast<std::size_t>(players), false);
    setup.maxActions = static_cast<long long>(maxActions);

    const bool rotate = parsed.has("--rotate");
    const std::size_t seats = static_cast<std::size_t>(players);
    const std::vector<int> levels = setup.levels;
    Tally tally;
    tally.seatWins.assign(seats, 0);
    tally.entryWins.assign(seats, 0);
    const auto start = std::chrono::steady_clock::now();
    for (std::uint64_t g = 0; g < games; ++g) {
        // With --rotate, game g seats entry (s + g) mod n of the list at seat s: every level plays every seat
        // equally often, which takes the advantage of moving first out of the comparison.
        const std::size_t shift = rotate ? static_cast<std::size_t>(g % seats) : 0;
        for (std::size_t seat = 0; seat < seats; ++seat)
            setup.levels[seat] = levels[(seat + shift) % seats];
        // Seeds wrap around at 2^32 like the engine's own seed type.
        Zavel::GameCore core(static_cast<int>(players), static_cast<unsigned>(seed + g));
        const Zavel::SelfPlayOutcome outcome = Zavel::playSelf(core, setup);
        ++tally.games;
        tally.totalActions += outcome.actions;
        tally.longest = std::max(tally.longest, outcome.actions);
        if (core.winner >= 0) {
            const auto winner = static_cast<std::size_t>(core.winner);
            ++tally.seatWins[winner];
            ++tally.entryWins[(winner + shift) % seats];
        } else if (outcome.stalled) {
            ++tally.stalled;
        } else {
            ++tally.capped;
        }
    }
    tally.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    printTable(tally, levels, seed, setup.maxActions, rotate);
    return 0;
}

} // namespace Sim
