#pragma once

// The arithmetic of the keys. Every operation reports a result that is not a finite number
// instead of returning it, so no infinity or NaN ever reaches a text. Where an operation fails
// in more than one way, it says which, as the reason a key is refused tells them apart.

#include <cstdint>
#include <optional>

#include "numeric/checked.h"

namespace numbrel {

// Plain double arithmetic of finite operands; nothing for a result beyond the double range.
std::optional<double> add(double left, double right);
std::optional<double> subtract(double left, double right);
std::optional<double> multiply(double left, double right);

// Whole-number division, truncated toward zero (-7 / 2 is -3). A zero divisor is
// Fault::Invalid; -2147483648 / -1 is Fault::Overflow.
Checked<std::int32_t> divideWhole(std::int32_t dividend, std::int32_t divisor);

// base raised to exponent. A negative base with a fractional exponent is Fault::Invalid; a
// result beyond the double range (0 to a negative power included) is Fault::Overflow.
Checked<double> power(double base, double exponent);

// The square root; of a negative number it is Fault::Invalid.
Checked<double> squareRoot(double value);

}  // namespace numbrel
