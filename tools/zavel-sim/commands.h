#ifndef ZAVELSIM_COMMANDS_H
#define ZAVELSIM_COMMANDS_H

// The subcommands of zavel-sim. Each takes the words after its name and returns the exit status; on a usage
// fault it sets *error to one line naming the problem and returns UsageStatus.

#include <string>
#include <vector>

namespace Sim {

constexpr int UsageStatus = 2;

int runDeal(const std::vector<std::string> &args, std::string *error);
int runPlay(const std::vector<std::string> &args, std::string *error);
int runCheck(const std::vector<std::string> &args, std::string *error);
int runTournament(const std::vector<std::string> &args, std::string *error);
int runAdvise(const std::vector<std::string> &args, std::string *error);

} // namespace Sim

#endif
