#include "random.h"

#include <utility>

namespace Zavel {

std::uint32_t boundedDraw(std::mt19937 &rng, std::uint32_t bound)
{
    const std::uint32_t range = bound + 1u;
    if (range == 0u)
        return static_cast<std::uint32_t>(rng());
    const std::uint32_t scaling = 0xFFFFFFFFu / range;
    const std::uint32_t limit = range * scaling;
    std::uint32_t x;
    do {
        x = static_cast<std::uint32_t>(rng());
    } while (x >= limit);
    return x / scaling;
}

void shuffleCards(std::vector<Card> &cards, std::mt19937 &rng)
{
    const std::size_t n = cards.size();
    if (n == 0)
        return;

    if (static_cast<std::uint64_t>(n) * n > 0xFFFFFFFFull) {
        for (std::size_t i = 1; i < n; ++i)
            std::swap(cards[i], cards[boundedDraw(rng, static_cast<std::uint32_t>(i))]);
        return;
    }

    // Paired procedure: one draw in 0..(i+1)(i+2)-1 decides the swap partners of positions i and i+1.
    std::size_t i = 1;
    if (n % 2 == 0) {
        std::swap(cards[1], cards[boundedDraw(rng, 1)]);
        i = 2;
    }
    while (i < n) {
        const auto span = static_cast<std::uint32_t>(i + 2);
        const std::uint32_t x = boundedDraw(rng, static_cast<std::uint32_t>((i + 1) * (i + 2) - 1));
        std::swap(cards[i], cards[x / span]);
        std::swap(cards[i + 1], cards[x % span]);
        i += 2;
    }
}

} // namespace Zavel
