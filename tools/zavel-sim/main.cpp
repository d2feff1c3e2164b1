// zavel-sim: the developers' and testers' window into the rules engine. It deals, plays whole games between
// computer seats, checks saved state texts and runs tournaments between strength levels.

#include "commands.h"

#include <algorithm>
#include <cstring>
#include <iostream>

namespace {

const char usage[] = "usage: zavel-sim deal --players N --seed S\n"
                     "       zavel-sim play --players N --seed S --levels L0,L1[,L2[,L3]] [--max-actions M]\n"
                     "                      [--forgetful SEATS] [--trace]\n"
                     "       zavel-sim check FILE\n"
                     "       zavel-sim tournament --players N --levels L0,... --games G [--seed S] [--max-actions M]\n"
                     "                            [--rotate]\n"
                     "       zavel-sim --help\n"
                     "\n"
                     "  deal        print the state text of a freshly dealt game\n"
                     "  play        play one game with every seat at its level; print the final state text\n"
                     "              (--trace: one line per event on stderr)\n"
                     "  check       say whether a saved state text restores: ok, unreadable, or the fault\n"
                     "  tournament  play games with seeds S, S+1, ... and tabulate the wins per seat\n"
                     "              (--rotate: move the levels round the table from game to game and\n"
                     "              tabulate the wins per level as well)\n"
                     "\n"
                     "  N players, 2 to 4; S seed, 0 to 4294967295 (0 picks a random seed); levels 0 Random,\n"
                     "  1 Easy, 2 Normal, 3 Hard, one per seat; SEATS comma-separated seats that never declare\n"
                     "  Zavel; M action cap (default 10000); G number of games.\n";

struct Command
{
    const char *name;
    int (*run)(const std::vector<std::string> &, std::string *);
};

const Command commands[] = {
    {"deal", Sim::runDeal},
    {"play", Sim::runPlay},
    {"check", Sim::runCheck},
    {"tournament", Sim::runTournament},
};

int usageError(const std::string &problem)
{
    std::cerr << "zavel-sim: " << problem << '\n' << usage;
    return Sim::UsageStatus;
}

} // namespace

int main(int argc, char **argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    if (std::find(args.begin(), args.end(), "--help") != args.end()) {
        std::cout << usage;
        return 0;
    }
    if (args.empty())
        return usageError("missing subcommand");

    const auto command = std::find_if(std::begin(commands), std::end(commands),
                                      [&](const Command &c) { return args.front() == c.name; });
    if (command == std::end(commands))
        return usageError("unknown subcommand '" + args.front() + "'");

    std::string error;
    const int status = command->run(std::vector<std::string>(args.begin() + 1, args.end()), &error);
    if (!error.empty() && status == Sim::UsageStatus)
        return usageError(error);
    return status;
}
