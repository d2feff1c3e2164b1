#ifndef ZAVEL_FUZZ_FUZZCHECK_H
#define ZAVEL_FUZZ_FUZZCHECK_H

// The properties of the fuzz targets are checked with FUZZ_CHECK, which names the broken property and aborts:
// libFuzzer then keeps the input as a crash artifact, and the corpus replay fails the test naming the input.

#include <cstdio>
#include <cstdlib>

namespace Fuzz {

// The input being replayed, named in the failure message; set by the replay runner only.
inline const char *&currentInput()
{
    static const char *name = nullptr;
    return name;
}

[[noreturn]] inline void fail(const char *property, const char *file, int line)
{
    std::fprintf(stderr, "%s:%d: property broken: %s\n", file, line, property);
    if (currentInput())
        std::fprintf(stderr, "input: %s\n", currentInput());
    std::abort();
}

} // namespace Fuzz

#define FUZZ_CHECK(condition) ((condition) ? static_cast<void>(0) : Fuzz::fail(#condition, __FILE__, __LINE__))

#endif
