// Rebuilding a game from its state text, all or nothing: the text is read into a scratch game, which must pass
// validation before it replaces the live one, random engine included.

#include "gamecore.h"

#include "enginestate.h"
#include "numberscanner.h"

namespace Zavel {

namespace {

// Hands out the lines of a text as a line-by-line stream read does: up to the next line feed, which is
// consumed and not kept; a last line without a line feed still counts; nothing else is stripped.
class LineReader
{
public:
    explicit LineReader(const std::string &text)
        : m_text(text)
    { }

    bool next(std::string *line)
    {
        if (m_pos >= m_text.size())
            return false;
        std::size_t end = m_text.find('\n', m_pos);
        if (end == std::string::npos)
            end = m_text.size();
        line->assign(m_text, m_pos, end - m_pos);
        m_pos = end + 1;
        return true;
    }

private:
    const std::string &m_text;
    std::size_t m_pos = 0;
};

bool startsWith(const std::string &line, const std::string &prefix)
{
    return line.compare(0, prefix.size(), prefix) == 0;
}

bool readScalars(const std::string &line, GameCore *core)
{
    NumberScanner scanner(line);
    int skip = 0;
    int choice = 0;
    if (!scanner.readInt(&core->playerCount) || !scanner.readInt(&core->currentPlayer)
        || !scanner.readInt(&core->winner) || !scanner.readInt(&core->requestedSuit)
        || !scanner.readInt(&core->requestedRank) || !scanner.readInt(&core->pendingDraw) || !scanner.readInt(&skip)
        || !scanner.readInt(&choice) || !scanner.readInt(&core->choiceOwner))
        return false;
    if (core->playerCount < 2 || core->playerCount > 4)
        return false;
    if (skip != 0 && skip != 1)
        return false;
    if (choice < 0 || choice > 2)
        return false;
    core->pendingSkip = skip == 1;
    core->pendingChoice = choice;
    return true;
}

bool readFlags(const std::string &line, GameCore *core)
{
    NumberScanner scanner(line);
    std::uint64_t count = 0;
    if (!scanner.readUnsigned(&count) || count != static_cast<std::uint64_t>(core->playerCount))
        return false;
    core->announcements.assign(static_cast<std::size_t>(count), false);
    for (std::size_t i = 0; i < count; ++i) {
        int flag = 0;
        if (!scanner.readInt(&flag))
            return false;
        core->announcements[i] = flag != 0;
    }
    return true;
}

// 624 words and the position index, each an unsigned 32-bit number. The index is not limited to 624: the
// engine regenerates at its next output whenever the index is 624 or more.
bool readEngine(const std::string &line, std::mt19937 *rng)
{
    NumberScanner scanner(line.data() + 4, line.data() + line.size());
    EngineState state;
    std::uint64_t value = 0;
    for (std::uint32_t &word : state.words) {
        if (!scanner.readUnsigned(&value) || value > 0xFFFFFFFFull)
            return false;
        word = static_cast<std::uint32_t>(value);
    }
    if (!scanner.readUnsigned(&state.index) || state.index > 0xFFFFFFFFull)
        return false;
    loadEngine(state, rng);
    return true;
}

bool readCardLine(const std::string &line, const std::string &prefix, std::vector<Card> *cards)
{
    return startsWith(line, prefix) && GameCore::decodeCards(line.substr(prefix.size()), cards);
}

} // namespace

bool GameCore::parseState(const std::string &text, GameCore *out)
{
    LineReader lines(text);
    std::string line;
    if (!lines.next(&line) || line != "ZAVEL_STATE_V1")
        return false;
    if (!lines.next(&line) || !readScalars(line, out))
        return false;
    out->hands.assign(static_cast<std::size_t>(out->playerCount), {});
    if (!lines.next(&line) || !readFlags(line, out))
        return false;
    if (!lines.next(&line) || !startsWith(line, "RNG ") || !readEngine(line, &out->rng))
        return false;
    if (!lines.next(&line) || !readCardLine(line, "T ", &out->talon))
        return false;
    if (!lines.next(&line) || !readCardLine(line, "D ", &out->discard))
        return false;
    for (int i = 0; i < out->playerCount; ++i) {
        const std::string prefix = "H" + std::to_string(i) + " ";
        if (!lines.next(&line) || !readCardLine(line, prefix, &out->hands[static_cast<std::size_t>(i)]))
            return false;
    }
    return true;
}

bool GameCore::restoreState(const std::string &text)
{
    // Every field of the scratch game is overwritten by the reading, so a copy of the live game serves as
    // well as a freshly dealt one and costs no deal.
    GameCore scratch = *this;
    if (!parseState(text, &scratch))
        return false;
    std::string message;
    if (!scratch.validate(&message))
        return false;
    *this = std::move(scratch);
    return true;
}

} // namespace Zavel
