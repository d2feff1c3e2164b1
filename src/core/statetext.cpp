// The state text: a versioned, line-based form of the whole game, the random engine included.
//
//   ZAVEL_STATE_V1
//   playerCount currentPlayer winner requestedSuit requestedRank pendingDraw pendingSkip pendingChoice choiceOwner
//   <flag count> <flag>...
//   RNG <624 engine words> <position index>
//   T <card list>            talon, bottom first
//   D <card list>            discard pile, bottom first
//   H<i> <card list>         one line per player, in seat order
//
// A card list is its count followed by one "suit,rank,playedBy" code per card, for example "2 0,7,-1 3,14,1".

#include "gamecore.h"

#include "enginestate.h"
#include "numberscanner.h"

#include <charconv>

namespace Zavel {

namespace {

void appendInt(std::string &out, int value)
{
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

void appendCards(std::string &out, const std::vector<Card> &cards)
{
    appendInt(out, static_cast<int>(cards.size()));
    for (const Card &card : cards) {
        out += ' ';
        appendInt(out, card.suit);
        out += ',';
        appendInt(out, card.rank);
        out += ',';
        appendInt(out, card.playedBy);
    }
}

void appendUnsigned(std::string &out, std::uint64_t value)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

// The engine text is what the engine's stream insertion writes: all state words, then the position index.
void appendEngine(std::string &out, const std::mt19937 &rng)
{
    EngineState state;
    saveEngine(rng, &state);
    for (std::uint32_t word : state.words) {
        appendUnsigned(out, word);
        out += ' ';
    }
    appendUnsigned(out, state.index);
}

// One card code: three integers after the commas became blanks; anything after the third is ignored.
bool readCardCode(const char *begin, const char *end, Card *card)
{
    std::string code(begin, end);
    for (char &c : code) {
        if (c == ',')
            c = ' ';
    }
    NumberScanner scanner(code);
    return scanner.readInt(&card->suit) && scanner.readInt(&card->rank) && scanner.readInt(&card->playedBy);
}

} // namespace

std::string GameCore::encodeCards(const std::vector<Card> &cards)
{
    std::string out;
    appendCards(out, cards);
    return out;
}

bool GameCore::decodeCards(const std::string &text, std::vector<Card> *out)
{
    if (!out)
        return false;
    NumberScanner scanner(text);
    std::uint64_t count = 0;
    // A list never holds more than the deck; the limit also bounds what a damaged text can make us reserve.
    if (!scanner.readUnsigned(&count) || count > DeckSize)
        return false;

    std::vector<Card> cards;
    cards.reserve(static_cast<std::size_t>(count));
    const char *pos = scanner.position();
    const char *end = text.data() + text.size();
    for (std::uint64_t i = 0; i < count; ++i) {
        while (pos != end && isStreamSpace(*pos))
            ++pos;
        const char *tokenEnd = pos;
        while (tokenEnd != end && !isStreamSpace(*tokenEnd))
            ++tokenEnd;
        Card card;
        if (pos == tokenEnd || !readCardCode(pos, tokenEnd, &card))
            return false;
        cards.push_back(card);
        pos = tokenEnd;
    }
    out->swap(cards);
    return true;
}

std::string GameCore::serializeState() const
{
    std::string out;
    out.reserve(7500);
    out += "ZAVEL_STATE_V1\n";

    const int scalars[] = {playerCount, currentPlayer,       winner,        requestedSuit, requestedRank,
                           pendingDraw, pendingSkip ? 1 : 0, pendingChoice, choiceOwner};
    for (std::size_t i = 0; i < sizeof scalars / sizeof scalars[0]; ++i) {
        if (i > 0)
            out += ' ';
        appendInt(out, scalars[i]);
    }
    out += '\n';

    appendInt(out, static_cast<int>(announcements.size()));
    for (bool declared : announcements)
        out += declared ? " 1" : " 0";
    out += '\n';

    out += "RNG ";
    appendEngine(out, rng);
    out += "\nT ";
    appendCards(out, talon);
    out += "\nD ";
    appendCards(out, discard);
    out += '\n';
    for (int i = 0; i < playerCount; ++i) {
        out += 'H';
        appendInt(out, i);
        out += ' ';
        appendCards(out, hand(i));
        out += '\n';
    }
    return out;
}

} // namespace Zavel
