#include "numeric/whole_number.h"

#include <cmath>
#include <limits>

namespace numbrel {

std::optional<std::int32_t> wholeNumber(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    // Round half to even without depending on the floating-point rounding mode: the distance to
    // the floor is exact for every double.
    double rounded = std::floor(value);
    const double fraction = value - rounded;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(rounded, 2.0) != 0)) rounded += 1;

    constexpr auto lowest = std::numeric_limits<std::int32_t>::min();
    constexpr auto highest = std::numeric_limits<std::int32_t>::max();
    if (rounded < lowest || rounded > highest) return std::nullopt;
    return static_cast<std::int32_t>(rounded);
}

}  // namespace numbrel
