#pragma once

// A property that a fuzz input broke: report it and abort, so libFuzzer keeps the input.

#include <cstdio>
#include <cstdlib>

namespace numbrel::fuzz {

inline void require(bool holds, const char* property) {
    if (holds) return;
    std::fprintf(stderr, "broken property: %s\n", property);
    std::abort();
}

}  // namespace numbrel::fuzz
