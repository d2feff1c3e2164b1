#ifndef ZAVEL_SOAK_CORESOAK_H
#define ZAVEL_SOAK_CORESOAK_H

// Soak of the rules engine alone: seeded games between computer seats, every player count and every mix of
// levels, with the state checked after every action (see coresoak.cpp).

#include <cstdint>
#include <string>

namespace Soak {

struct CoreTotals
{
    long long games = 0;
    long long actions = 0;
    long long unfinished = 0; // stopped by the action cap, still running
    long long failures = 0;
};

// Plays `games` games with seeds firstSeed, firstSeed + 1, ...; failures are described on stderr.
CoreTotals soakCore(long long games, std::uint32_t firstSeed);

} // namespace Soak

#endif
