#pragma once

// A double's decimal digits as std::to_chars writes them in scientific form, taken apart: the
// sign, the significant digits and the decimal exponent of the first one.

#include <string>

namespace numbrel {

// ±d.ddd × 10^exponent: `digits` holds d, ddd without the point or trailing zeros.
struct DecimalDigits {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

// The fewest digits that read back as the same double: 2.675 -> '2675', exponent 0, although
// the double lies a little below 2.675. `value` must be finite and not zero.
DecimalDigits shortestDigits(double value);

// The value correctly rounded to `count` significant digits (1 to 17), ties to even.
// `value` must be finite and not zero.
DecimalDigits significantDigits(double value, int count);

}  // namespace numbrel
