#include "options.h"

#include <algorithm>

namespace Sim {

std::string ParsedArgs::value(const std::string &name) const
{
    const auto it = m_values.find(name);
    return it == m_values.end() ? std::string() : it->second;
}

bool ParsedArgs::parse(const std::vector<std::string> &args, const std::vector<OptionSpec> &allowed, std::string *error)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
            *error = "unexpected argument '" + arg + "'";
            return false;
        }
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        const auto spec
            = std::find_if(allowed.begin(), allowed.end(), [&](const OptionSpec &s) { return name == s.name; });
        if (spec == allowed.end()) {
            *error = "unknown option " + name;
            return false;
        }
        if (has(name)) {
            *error = "option " + name + " is given twice";
            return false;
        }
        if (!spec->takesValue) {
            if (equals != std::string::npos) {
                *error = "option " + name + " takes no value";
                return false;
            }
            m_values[name] = std::string();
            continue;
        }
        if (equals != std::string::npos) {
            m_values[name] = arg.substr(equals + 1);
        } else if (i + 1 < args.size()) {
            m_values[name] = args[++i];
        } else {
            *error = "option " + name + " needs a value";
            return false;
        }
    }
    return true;
}

bool parseNumber(const std::string &option, const std::string &text, std::uint64_t min, std::uint64_t max,
                 std::uint64_t *value, std::string *error)
{
    const std::string expected
        = option + " expects a number from " + std::to_string(min) + " to " + std::to_string(max);
    if (text.empty() || text.size() > 20
        || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        *error = expected + ", not '" + text + "'";
        return false;
    }
    std::uint64_t parsed = 0;
    for (char c : text) {
        const auto digit = static_cast<std::uint64_t>(c - '0');
        if (parsed > (UINT64_MAX - digit) / 10) {
            parsed = UINT64_MAX;
            break;
        }
        parsed = parsed * 10 + digit;
    }
    if (parsed < min || parsed > max) {
        *error = expected + ", not " + text;
        return false;
    }
    *value = parsed;
    return true;
}

bool parseNumberList(const std::string &option, const std::string &text, std::uint64_t min, std::uint64_t max,
                     std::vector<int> *values, std::string *error)
{
    std::vector<int> parsed;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        std::uint64_t value = 0;
        if (!parseNumber(option, text.substr(start, comma - start), min, max, &value, error))
            return false;
        parsed.push_back(static_cast<int>(value));
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    *values = parsed;
    return true;
}

bool requireNumber(const ParsedArgs &args, const std::string &option, std::uint64_t min, std::uint64_t max,
                   std::uint64_t *value, std::string *error)
{
    if (!args.has(option)) {
        *error = "missing option " + option;
        return false;
    }
    return parseNumber(option, args.value(option), min, max, value, error);
}

bool parseLevels(const ParsedArgs &args, int players, std::vector<int> *levels, std::string *error)
{
    if (!args.has("--levels")) {
        *error = "missing option --levels";
        return false;
    }
    if (!parseNumberList("--levels", args.value("--levels"), 0, 4, levels, error))
        return false;
    if (levels->size() != static_cast<std::size_t>(players)) {
        *error = "--levels needs one level per player: " + std::to_string(players) + " for --players "
            + std::to_string(players) + ", got " + std::to_string(levels->size());
        return false;
    }
    return true;
}

bool parsePlayouts(const ParsedArgs &args, int *playouts, std::string *error)
{
    std::uint64_t value = 0;
    if (!args.has("--playouts"))
        return true;
    if (!parseNumber("--playouts", args.value("--playouts"), 1, 1000000, &value, error))
        return false;
    *playouts = static_cast<int>(value);
    return true;
}

} // namespace Sim
