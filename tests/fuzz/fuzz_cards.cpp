// Fuzz target for GameCore::decodeCards, the reader of one card list.
//
// On every input: a rejected list leaves the target list exactly as it was; an accepted one holds at most the
// 32 cards of a deck and is the list the stream-based reference reader finds (both readers must also agree on
// rejecting); and the accepted cards written back with encodeCards decode to the same cards again.

#include "fuzzcheck.h"
#include "gamecore.h"
#include "referencereader.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

bool sameCards(const std::vector<Zavel::Card> &a, const std::vector<Zavel::Card> &b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].rank != b[i].rank || a[i].suit != b[i].suit || a[i].playedBy != b[i].playedBy)
            return false;
    }
    return true;
}

// What the target list holds before the call: a rejected input must leave every field of it as it was.
std::vector<Zavel::Card> sentinel()
{
    Zavel::Card a;
    a.rank = 14;
    a.suit = 3;
    a.playedBy = 1;
    Zavel::Card b;
    b.rank = -5;
    b.suit = 99;
    return {a, b, a};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    FUZZ_CHECK(!Zavel::GameCore::decodeCards(text, nullptr));

    std::vector<Zavel::Card> cards = sentinel();
    const bool accepted = Zavel::GameCore::decodeCards(text, &cards);
    std::vector<Zavel::Card> reference = sentinel();
    FUZZ_CHECK(ReferenceReader::readCards(text, &reference) == accepted);
    if (!accepted) {
        FUZZ_CHECK(sameCards(cards, sentinel()));
        return 0;
    }
    FUZZ_CHECK(cards.size() <= 32);
    FUZZ_CHECK(sameCards(cards, reference));

    const std::string written = Zavel::GameCore::encodeCards(cards);
    std::vector<Zavel::Card> again = sentinel();
    FUZZ_CHECK(Zavel::GameCore::decodeCards(written, &again));
    FUZZ_CHECK(sameCards(again, cards));
    FUZZ_CHECK(Zavel::GameCore::encodeCards(again) == written);
    return 0;
}
