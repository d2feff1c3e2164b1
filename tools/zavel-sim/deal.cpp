#include "commands.h"
#include "options.h"

#include "gamecore.h"

#include <iostream>

namespace Sim {

int runDeal(const std::vector<std::string> &args, std::string *error)
{
    ParsedArgs parsed;
    std::uint64_t players = 0;
    std::uint64_t seed = 0;
    if (!parsed.parse(args, {{"--players", true}, {"--seed", true}}, error))
        return UsageStatus;
    if (!requireNumber(parsed, "--players", 2, 4, &players, error)
        || !requireNumber(parsed, "--seed", 0, 4294967295u, &seed, error))
        return UsageStatus;

    const Zavel::GameCore core(static_cast<int>(players), static_cast<unsigned>(seed));
    std::cout << core.serializeState() << std::flush;
    return 0;
}

} // namespace Sim
