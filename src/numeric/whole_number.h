#pragma once

// A number as the 32-bit whole number that "/" divides.

#include <cstdint>
#include <optional>

namespace numbrel {

// Rounds to the nearest whole number, a half going to the even neighbour (2.5 -> 2, -1.5 -> -2).
// Nothing for a result outside the 32-bit range, or a value that is not finite.
std::optional<std::int32_t> wholeNumber(double value);

}  // namespace numbrel
