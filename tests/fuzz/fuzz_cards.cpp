// Fuzz target for GameCore::decodeCards, the reader of one card list: a rejected list leaves the target list
// exactly as it was; an accepted one holds at most a deck's 32 cards and comes back unchanged from encodeCards.

#include "fuzzcheck.h"
#include "gamecore.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    FUZZ_CHECK(!Zavel::GameCore::decodeCards(text, nullptr));

    // Cards no reader would produce, so that a partly overwritten list shows.
    const std::vector<Zavel::Card> before = {{14, 3, 1}, {-5, 99, -1}, {14, 3, 1}};
    std::vector<Zavel::Card> cards = before;
    if (!Zavel::GameCore::decodeCards(text, &cards)) {
        FUZZ_CHECK(cards == before);
        return 0;
    }
    FUZZ_CHECK(cards.size() <= 32);
    const std::string written = Zavel::GameCore::encodeCards(cards);
    std::vector<Zavel::Card> again = before;
    FUZZ_CHECK(Zavel::GameCore::decodeCards(written, &again));
    FUZZ_CHECK(again == cards);
    FUZZ_CHECK(Zavel::GameCore::encodeCards(again) == written);
    return 0;
}
