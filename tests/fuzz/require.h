#pragma once

#include <cstdio>
#include <cstdlib>

// Stops the fuzzer with a message when a property that must always hold does not.
inline void require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}
