#pragma once

// A number's text, as the calculator writes it: only '.' is a decimal point, whatever the
// process's locale, and every text reads back as the same number (number_reading.h).

#include <cstdint>
#include <string>

namespace numbrel {

// The number's text at 15 significant digits, as briefly as possible: '15', '0.5', '-0.25',
// '0.0001'. A decimal exponent of 15 or more, or below -4, takes the exponent form with at least
// two exponent digits: '1E+15', '1.23456789012346E+15', '1E-05'. Zero, negative zero included,
// is '0'. `value` must be finite.
std::string numberText(double value);

// A whole number in plain decimal: '0', '15', '-3'.
std::string integerText(std::int32_t value);

}  // namespace numbrel
