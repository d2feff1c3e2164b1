#ifndef ZAVELSIM_OPTIONS_H
#define ZAVELSIM_OPTIONS_H

// Command-line parsing for zavel-sim. Nothing here prints or exits: every fault comes back as one line of text
// that names the problem, and main() adds the usage and the exit status.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace Sim {

struct OptionSpec
{
    const char *name; // with the leading dashes, such as "--players"
    bool takesValue;
};

// The options given to one subcommand.
class ParsedArgs
{
public:
    bool has(const std::string &name) const { return m_values.count(name) != 0; }
    std::string value(const std::string &name) const;

    // Parses args (the words after the subcommand) against the allowed options. Accepts "--name value" and
    // "--name=value"; refuses unknown, repeated or value-less options and any other argument.
    bool parse(const std::vector<std::string> &args, const std::vector<OptionSpec> &allowed, std::string *error);

private:
    std::map<std::string, std::string> m_values;
};

// A decimal number from min to max, digits only. The error names the option and what was given.
bool parseNumber(const std::string &option, const std::string &text, std::uint64_t min, std::uint64_t max,
                 std::uint64_t *value, std::string *error);

// A comma-separated list of decimal numbers, each from min to max.
bool parseNumberList(const std::string &option, const std::string &text, std::uint64_t min, std::uint64_t max,
                     std::vector<int> *values, std::string *error);

// Reads a required option as a number; "missing option" when absent.
bool requireNumber(const ParsedArgs &args, const std::string &option, std::uint64_t min, std::uint64_t max,
                   std::uint64_t *value, std::string *error);

// Reads the levels of every seat, one AiDifficulty code or 4 (the Expert) per player.
bool parseLevels(const ParsedArgs &args, int players, std::vector<int> *levels, std::string *error);

// Reads --playouts, the Expert's budget, into *playouts when given; leaves it alone otherwise.
bool parsePlayouts(const ParsedArgs &args, int *playouts, std::string *error);

} // namespace Sim

#endif
