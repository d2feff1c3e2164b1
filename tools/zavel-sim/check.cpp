#include "commands.h"

#include "gamecore.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

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
    if (!Zavel::GameCore::parseState(text, &scratch)) {
        std::cout << "unreadable\n";
        return 1;
    }
    std::string message;
    if (!scratch.validate(&message)) {
        std::cout << message << '\n';
        return 1;
    }
    std::cout << "ok\n";
    return 0;
}

} // namespace Sim
