// The commands that read a saved state text: check says whether it restores, advise what the Expert would do in it.

#include "commands.h"
#include "options.h"

#include "expert.h"
#include "gamecore.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <iterator>

namespace Sim {

namespace {

// Reads the whole file; on failure *reason holds the system's explanation.
bool readFile(const std::string &path, std::string *content, std::string *reason)
{
    std::FILE *file = std::fopen(path.c_str(), "rb");
    if (!file) {
        *reason = std::strerror(errno);
        return false;
    }
    char buffer[65536];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        content->append(buffer, got);
    const bool failed = std::ferror(file) != 0;
    const int readErrno = errno;
    std::fclose(file);
    if (failed) {
        *reason = std::strerror(readErrno);
        return false;
    }
    return true;
}

// Reads a state text into *core as a restore would take it; otherwise prints check's verdict and returns false.
bool restores(const std::string &text, Zavel::GameCore *core)
{
    if (!Zavel::GameCore::parseState(text, core)) {
        std::cout << "unreadable\n";
        return false;
    }
    std::string message;
    if (!core->validate(&message)) {
        std::cout << message << '\n';
        return false;
    }
    return true;
}

// The action as one line: "play S_R", "draw", "accept", "suit S", "rank R" or "none".
std::string describe(const Zavel::AiAction &action, const Zavel::GameCore &core, int seat)
{
    switch (action.type) {
    case Zavel::AiActionType::Play:
        return "play " + Zavel::cardId(core.hand(seat).at(static_cast<std::size_t>(action.handIndex)));
    case Zavel::AiActionType::Draw:
        return "draw";
    case Zavel::AiActionType::AcceptPenalty:
        return "accept";
    case Zavel::AiActionType::ChooseSuit:
        return "suit " + std::to_string(action.choice);
    case Zavel::AiActionType::ChooseRank:
        return "rank " + std::to_string(action.choice);
    case Zavel::AiActionType::None:
        break;
    }
    return "none";
}

} // namespace

int runCheck(const std::vector<std::string> &args, std::string *error)
{
    if (args.empty())
        *error = "check needs a FILE";
    else if (args.front().compare(0, 2, "--") == 0)
        *error = "unknown option " + args.front();
    else if (args.size() > 1)
        *error = "check takes exactly one FILE, got " + std::to_string(args.size()) + " arguments";
    if (!error->empty())
        return UsageStatus;

    std::string text;
    std::string reason;
    if (!readFile(args.front(), &text, &reason)) {
        std::cerr << "zavel-sim: cannot read " << args.front() << ": " << reason << '\n';
        return 2;
    }

    Zavel::GameCore scratch(2, 1);
    if (!restores(text, &scratch))
        return 1;
    std::cout << "ok\n";
    return 0;
}

int runAdvise(const std::vector<std::string> &args, std::string *error)
{
    ParsedArgs parsed;
    std::uint64_t seat = 0;
    if (!parsed.parse(args, {{"--seat", true}, {"--levels", true}}, error)
        || !requireNumber(parsed, "--seat", 0, 3, &seat, error))
        return UsageStatus;

    const std::string text{std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
    Zavel::GameCore core(2, 1);
    if (!restores(text, &core))
        return 1;
    const int players = core.playerCount;
    std::vector<int> levels(static_cast<std::size_t>(players), Zavel::UnknownLevel);
    if (static_cast<int>(seat) >= players) {
        *error = "--seat expects a seat of the " + std::to_string(players) + "-player game, 0 to "
            + std::to_string(players - 1) + ", not " + std::to_string(seat);
        return UsageStatus;
    }
    if (parsed.has("--levels") && !parseLevels(parsed, players, &levels, error))
        return UsageStatus;

    const int own = static_cast<int>(seat);
    Zavel::ExpertSettings untimed;
    untimed.timeLimit = Zavel::NoTimeLimit;
    const Zavel::AiAction action = Zavel::expertAction(Zavel::seatView(core, own, levels), {}, untimed);
    std::cout << describe(action, core, own) << '\n';
    return 0;
}

} // namespace Sim
