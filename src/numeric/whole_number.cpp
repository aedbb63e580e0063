#include <cmath>
#include <cstdint>
#include <limits>

#include "numeric/whole_number.h"

namespace numbrel {

Checked<std::int32_t> wholeNumber(double value) {
    if (!std::isfinite(value)) return failed<std::int32_t>(Fault::Overflow);
    // Round half to even without depending on the floating-point rounding mode: the distance to
    // the floor is exact for every double.
    double rounded = std::floor(value);
    const double fraction = value - rounded;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(rounded, 2.0) != 0)) rounded += 1;

    constexpr auto lowest = std::numeric_limits<std::int32_t>::min();
    constexpr auto highest = std::numeric_limits<std::int32_t>::max();
    if (rounded < lowest || rounded > highest) return failed<std::int32_t>(Fault::Overflow);
    return {static_cast<std::int32_t>(rounded)};
}

}  // namespace numbrel
