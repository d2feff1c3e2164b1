#include "commands.h"
#include "options.h"
#include "selfplay.h"

#include <iostream>

namespace Sim {

namespace {

bool parseForgetful(const ParsedArgs &args, int players, std::vector<bool> *forgetful, std::string *error)
{
    forgetful->assign(static_cast<std::size_t>(players), false);
    if (!args.has("--forgetful"))
        return true;
    std::vector<int> seats;
    if (!parseNumberList("--forgetful", args.value("--forgetful"), 0, static_cast<std::uint64_t>(players - 1), &seats,
                         error))
        return false;
    for (int seat : seats)
        (*forgetful)[static_cast<std::size_t>(seat)] = true;
    return true;
}

} // namespace

int runPlay(const std::vector<std::string> &args, std::string *error)
{
    ParsedArgs parsed;
    if (!parsed.parse(args,
                      {{"--players", true},
                       {"--seed", true},
                       {"--levels", true},
                       {"--max-actions", true},
                       {"--forgetful", true},
                       {"--playouts", true},
                       {"--trace", false}},
                      error))
        return UsageStatus;

    std::uint64_t players = 0;
    std::uint64_t seed = 0;
    std::uint64_t maxActions = 10000;
    Zavel::SelfPlaySetup setup;
    if (!requireNumber(parsed, "--players", 2, 4, &players, error)
        || !requireNumber(parsed, "--seed", 0, 4294967295u, &seed, error)
        || !parseLevels(parsed, static_cast<int>(players), &setup.levels, error)
        || !parseForgetful(parsed, static_cast<int>(players), &setup.forgetful, error)
        || !parsePlayouts(parsed, &setup.expert.playouts, error))
        return UsageStatus;
    if (parsed.has("--max-actions")
        && !parseNumber("--max-actions", parsed.value("--max-actions"), 0, 1000000000, &maxActions, error))
        return UsageStatus;
    setup.maxActions = static_cast<long long>(maxActions);
    if (parsed.has("--trace"))
        setup.trace = &std::cerr;

    Zavel::GameCore core(static_cast<int>(players), static_cast<unsigned>(seed));
    Zavel::playSelf(core, setup);
    std::cout << core.serializeState() << std::flush;
    return 0;
}

} // namespace Sim
