#ifndef ZAVEL_EXPERTRANDOM_H
#define ZAVEL_EXPERTRANDOM_H

// The Expert's own random stream for guessing hidden cards: SplitMix64, eight bytes of state, so that a decision
// can afford thousands of draws. It is seeded from what the seat sees and is never the game's engine, whose
// outputs the saved game depends on.

#include <cstddef>
#include <cstdint>

namespace Zavel {

class ExpertRandom
{
public:
    explicit ExpertRandom(std::uint64_t seed)
        : m_state(seed)
    { }

    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // A value in 0..bound-1 for 1 <= bound < 2^32: 32 random bits scaled by the bound. The bias, below
    // bound / 2^32, does not matter for guessing.
    std::size_t below(std::size_t bound)
    {
        return static_cast<std::size_t>(((next() >> 32) * static_cast<std::uint64_t>(bound)) >> 32);
    }

    // A value in [0, 1).
    double unit() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }

private:
    std::uint64_t m_state;
};

} // namespace Zavel

#endif
