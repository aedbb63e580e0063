#pragma once

// Rounding a number to a number of decimal places, and its integer part.

namespace numbrel {

// Rounds to `places` decimals (0 to 9), half to even on the exact binary value of the double:
// 0.125 -> 0.12 (an exact tie), 2.675 -> 2.67 (its double lies below the tie), 2.5 -> 2 with
// no places. A negative value that rounds to zero gives negative zero.
double roundDecimal(double value, int places);

// The largest whole number not above the value: 2.7 -> 2, -2.3 -> -3.
double integerPart(double value);

}  // namespace numbrel
