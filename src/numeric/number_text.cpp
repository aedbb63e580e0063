// Number text and integer text: how every result is written into the display.

#include "numeric/number_text.h"

#include <charconv>
#include <cstdlib>

#include "numeric/decimal_digits.h"

namespace numbrel {
namespace {

constexpr int kSignificantDigits = 15;

// Digits past the exponent form's switch points: from 10^15 up, and below 10^-4.
constexpr int kLargestPlainExponent = kSignificantDigits - 1;
constexpr int kSmallestPlainExponent = -4;

}  // namespace

std::string numberText(double value) {
    if (value == 0) return "0";  // negative zero too

    const DecimalDigits rounded = significantDigits(value, kSignificantDigits);
    const std::string& digits = rounded.digits;
    const int exponent = rounded.exponent;

    std::string text = rounded.negative ? "-" : "";
    if (exponent > kLargestPlainExponent || exponent < kSmallestPlainExponent) {
        text += digits.front();
        if (digits.size() > 1) text += '.' + digits.substr(1);
        text += exponent < 0 ? "E-" : "E+";
        const int magnitude = std::abs(exponent);
        if (magnitude < 10) text += '0';
        text += integerText(magnitude);
    } else if (exponent < 0) {
        text += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else {
        const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= integerDigits) {
            text += digits + std::string(integerDigits - digits.size(), '0');
        } else {
            text += digits.substr(0, integerDigits) + '.' + digits.substr(integerDigits);
        }
    }
    return text;
}

std::string integerText(std::int32_t value) {
    char buffer[16];
    return {buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr};
}

}  // namespace numbrel
