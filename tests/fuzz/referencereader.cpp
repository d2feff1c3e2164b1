#include "referencereader.h"

#include <locale>
#include <random>
#include <sstream>

namespace ReferenceReader {

namespace {

std::istringstream streamOf(const std::string &text)
{
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    return in;
}

bool startsWith(const std::string &line, const std::string &prefix)
{
    return line.compare(0, prefix.size(), prefix) == 0;
}

bool readCardLine(const std::string &line, const std::string &prefix, std::vector<Zavel::Card> *out)
{
    return startsWith(line, prefix) && readCards(line.substr(prefix.size()), out);
}

bool readScalars(const std::string &line, Zavel::GameCore *core)
{
    std::istringstream in = streamOf(line);
    int skip = 0;
    int choice = 0;
    if (!(in >> core->playerCount >> core->currentPlayer >> core->winner >> core->requestedSuit >> core->requestedRank
          >> core->pendingDraw >> skip >> choice >> core->choiceOwner))
        return false;
    if (core->playerCount < 2 || core->playerCount > 4 || (skip != 0 && skip != 1) || choice < 0 || choice > 2)
        return false;
    core->pendingSkip = skip == 1;
    core->pendingChoice = choice;
    return true;
}

bool readFlags(const std::string &line, Zavel::GameCore *core)
{
    std::istringstream in = streamOf(line);
    unsigned long long count = 0;
    if (!(in >> count) || count != static_cast<unsigned long long>(core->playerCount))
        return false;
    core->announcements.assign(static_cast<std::size_t>(count), false);
    for (std::size_t i = 0; i < count; ++i) {
        int flag = 0;
        if (!(in >> flag))
            return false;
        core->announcements[i] = flag != 0;
    }
    return true;
}

// 625 unsigned numbers, each of 32 bits, handed to the engine's stream extraction in the order it reads them.
bool readEngine(const std::string &line, std::mt19937 *rng)
{
    std::istringstream in = streamOf(line.substr(4));
    std::ostringstream words;
    words.imbue(std::locale::classic());
    for (std::size_t i = 0; i <= std::mt19937::state_size; ++i) {
        unsigned long long value = 0;
        if (!(in >> value) || value > 0xFFFFFFFFull)
            return false;
        words << (i > 0 ? " " : "") << value;
    }
    std::istringstream engineText = streamOf(words.str());
    return static_cast<bool>(engineText >> *rng);
}

} // namespace

bool readCards(const std::string &text, std::vector<Zavel::Card> *out)
{
    if (!out)
        return false;
    std::istringstream in = streamOf(text);
    unsigned long long count = 0;
    if (!(in >> count) || count > 32)
        return false;
    std::vector<Zavel::Card> cards;
    for (unsigned long long i = 0; i < count; ++i) {
        std::string token;
        if (!(in >> token))
            return false;
        for (char &c : token) {
            if (c == ',')
                c = ' ';
        }
        std::istringstream code = streamOf(token);
        Zavel::Card card;
        if (!(code >> card.suit >> card.rank >> card.playedBy))
            return false;
        cards.push_back(card);
    }
    *out = cards;
    return true;
}

bool readState(const std::string &text, Zavel::GameCore *out)
{
    std::istringstream in = streamOf(text);
    std::string line;
    if (!std::getline(in, line) || line != "ZAVEL_STATE_V1")
        return false;
    Zavel::GameCore scratch(2, 1);
    if (!std::getline(in, line) || !readScalars(line, &scratch))
        return false;
    scratch.hands.assign(static_cast<std::size_t>(scratch.playerCount), {});
    if (!std::getline(in, line) || !readFlags(line, &scratch))
        return false;
    if (!std::getline(in, line) || !startsWith(line, "RNG ") || !readEngine(line, &scratch.rng))
        return false;
    if (!std::getline(in, line) || !readCardLine(line, "T ", &scratch.talon))
        return false;
    if (!std::getline(in, line) || !readCardLine(line, "D ", &scratch.discard))
        return false;
    for (int i = 0; i < scratch.playerCount; ++i) {
        const std::string prefix = "H" + std::to_string(i) + " ";
        if (!std::getline(in, line) || !readCardLine(line, prefix, &scratch.hands[static_cast<std::size_t>(i)]))
            return false;
    }
    if (!scratch.validate())
        return false;
    *out = scratch;
    return true;
}

} // namespace ReferenceReader
