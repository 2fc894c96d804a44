#pragma once

#include <cstdio>
#include <cstdlib>

namespace taravin::fuzz {

// Ends the run on a broken property, so that the fuzzer keeps the input as a crash.
inline void requireThat(bool holds, const char* property) {
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", property);
        std::abort();
    }
}

}  // namespace taravin::fuzz
