#ifndef ZAVEL_FUZZ_FUZZCHECK_H
#define ZAVEL_FUZZ_FUZZCHECK_H

// FUZZ_CHECK names the broken property and aborts: libFuzzer keeps the input as a crash artifact, and the
// corpus replay names the input it was replaying.

#include <cstdio>
#include <cstdlib>

namespace Fuzz {

inline const char *currentInput = nullptr; // set by the corpus replay only

[[noreturn]] inline void fail(const char *property, const char *file, int line)
{
    std::fprintf(stderr, "%s:%d: property broken: %s\ninput: %s\n", file, line, property,
                 currentInput ? currentInput : "(from libFuzzer)");
    std::abort();
}

} // namespace Fuzz

#define FUZZ_CHECK(condition) ((condition) ? static_cast<void>(0) : Fuzz::fail(#condition, __FILE__, __LINE__))

#endif
