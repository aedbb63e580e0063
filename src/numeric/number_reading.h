#pragma once

// The two readings of a text as a number: lenient and strict. With number_text.h they are the
// only code that reads or writes a number's text. Only '.' is ever a decimal point, whatever the
// process's locale: nothing here consults it. Every number text reads back: both readings take
// a value just beyond the double range that rounds at 15 digits to the largest double's number
// text ('1.79769313486232E+308') as the largest double.

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

}  // namespace numbrel
