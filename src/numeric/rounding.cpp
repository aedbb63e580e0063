#include "numeric/rounding.h"

#include <charconv>
#include <cmath>

namespace numbrel {

double roundDecimal(double value, int places) {
    // From 2^53 up every double is whole, so there is nothing to round; this also bounds the
    // fixed-point text below.
    constexpr double wholeFrom = 9007199254740992.0;
    if (!std::isfinite(value) || std::fabs(value) >= wholeFrom) return value;

    // to_chars writes the exact binary value correctly rounded, ties to even, which a
    // scale-multiply-round approach cannot promise. Reading the text back is exact.
    char fixed[48];
    const char* end =
        std::to_chars(fixed, fixed + sizeof fixed, value, std::chars_format::fixed, places).ptr;
    double rounded = 0;
    std::from_chars(fixed, end, rounded);
    return rounded;
}

double integerPart(double value) { return std::floor(value); }

}  // namespace numbrel
