// zavel-sim: the developers' and testers' window into the rules engine. It deals, plays whole games between
// computer seats, checks saved state texts, runs tournaments between strength levels and asks the Expert for advice.

#include "commands.h"

#include <algorithm>
#include <cstring>
#include <iostream>

namespace {

const char usage[] = "usage: zavel-sim deal --players N --seed S\n"
                     "       zavel-sim play --players N --seed S --levels L0,L1[,L2[,L3]] [--max-actions M]\n"
                     "                      [--forgetful SEATS] [--playouts P] [--trace]\n"
                     "       zavel-sim check FILE\n"
                     "       zavel-sim tournament --players N --levels L0,... --games G [--seed S] [--max-actions M]\n"
                     "                            [--playouts P] [--rotate]\n"
                     "       zavel-sim advise --seat N [--levels L0,...] < STATE\n"
                     "       zavel-sim --help\n"
                     "\n"
                     "  deal        print the state text of a freshly dealt game\n"
                     "  play        play one game with every seat at its level; print the final state text\n"
                     "              (--trace: one line per event on stderr)\n"
                     "  check       say whether a saved state text restores: ok, unreadable, or the fault\n"
                     "  tournament  play games with seeds S, S+1, ... and tabulate the wins per seat\n"
                     "              (--rotate: move the levels round the table from game to game and\n"
                     "              tabulate the wins per level as well)\n"
                     "  advise      read a state text on standard input and print the Expert's action for seat N\n"
                     "              as one line: play S_R (the card, suit_rank), draw, accept, suit S, rank R,\n"
                     "              or none when the seat has nothing to do; a text that check refuses gets\n"
                     "              check's verdict. The text holds no history, so only the table counts.\n"
                     "              --levels: what the table shows of each seat, the seat's own ignored;\n"
                     "              without it no other seat's level is known: each is held only to the rules\n"
                     "              and played out as Hard\n"
                     "\n"
                     "  N players, 2 to 4 (advise: a seat, 0 to 3); S seed, 0 to 4294967295 (0 picks a random\n"
                     "  seed); levels 0 Random, 1 Easy, 2 Normal, 3 Hard, 4 Expert, one per seat; SEATS\n"
                     "  comma-separated seats that never declare Zavel; M action cap (default 10000); G number\n"
                     "  of games; P the Expert's play-outs per decision (default 4000 / N).\n";

struct Command
{
    const char *name;
    int (*run)(const std::vector<std::string> &, std::string *);
};

const Command commands[] = {
    {"deal", Sim::runDeal},     {"play", Sim::runPlay}, {"check", Sim::runCheck}, {"tournament", Sim::runTournament},
    {"advise", Sim::runAdvise},
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
