#pragma once

// Rounding a number to a number of decimal places.

namespace numbrel {

// Rounds to `places` decimals (0 to 9), half to even on the shortest decimal that reads back as
// the same double, i.e. on the number as it was typed or is shown, not on the binary value:
// 2.675 -> 2.68 and 0.45 -> 0.4 (their doubles lie just below and above the tie), 0.125 -> 0.12,
// 2.5 -> 2 with no places. The decimal result is read back correctly rounded; no power of ten
// is applied in floating point. A negative value that rounds to zero gives negative zero.
double roundDecimal(double value, int places);

}  // namespace numbrel
