#pragma once

// Conversions between the texts the calculator keeps and the numbers it computes with. They are
// the only code that reads or writes a number's text. Only '.' is ever a decimal point, whatever
// the process's locale: nothing here consults it. Every number text reads back: both readings
// take a value just beyond the double range that rounds at 15 digits to the largest double's
// number text ('1.79769313486232E+308') as the largest double.

#include <cstdint>
#include <string>
#include <string_view>

#include "numeric/checked.h"

namespace numbrel {

// The lenient reading, used where an empty or odd display must count as 0. Spaces, tabs and
// line feeds anywhere are ignored; then an optional sign, digits with at most one '.', and an
// optional exponent ('E' or 'e', optional sign, digits) are read as far as they fit, and the
// rest is ignored: '' -> 0, '.' -> 0, '1.2.3' -> 1.2, '12abc' -> 12, '1 2' -> 12. A text that
// starts with '&H' or '&O' reads the hexadecimal or octal digits that follow. A value too small
// for a double reads as 0. Fails only with Fault::Overflow, for a value beyond the double range.
Checked<double> numericValue(std::string_view text);

// The strict reading: the whole text, with optional blanks (spaces, tabs) around it, must be one
// decimal number: optional sign, digits with an optional point and fraction (at least one digit
// in all), optional exponent ('E' or 'e', optional sign, at least one digit). Anything else,
// the empty text included, is Fault::Invalid; a value beyond the double range is
// Fault::Overflow, and one too small for a double reads as 0.
Checked<double> strictValue(std::string_view text);

// The number's text at 15 significant digits, as briefly as possible: '15', '0.5', '-0.25',
// '0.0001'. A decimal exponent of 15 or more, or below -4, takes the exponent form with at least
// two exponent digits: '1E+15', '1.23456789012346E+15', '1E-05'. Zero, negative zero included,
// is '0'. `value` must be finite.
std::string numberText(double value);

// A whole number in plain decimal: '0', '15', '-3'.
std::string integerText(std::int32_t value);

// Rounds to the nearest whole number, a half going to the even neighbour (2.5 -> 2, -1.5 -> -2).
// A result outside the 32-bit range, or a value that is not finite, is Fault::Overflow.
Checked<std::int32_t> wholeNumber(double value);

}  // namespace numbrel
