// The two readings of a text as a number: lenient and strict. Both find the parts of a decimal
// number themselves and hand std::from_chars only a clean span, since from_chars alone would
// accept 'inf', 'nan' and hexadecimal floats, and reports a tiny value the same way as a huge one.

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

#include "numeric/number_reading.h"
#include "numeric/number_text.h"

namespace numbrel {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isOctalDigit(char c) { return c >= '0' && c <= '7'; }

bool isHexDigit(char c) { return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

// The parts of a decimal number as written: sign, digits around the point, exponent.
struct DecimalParts {
    bool negative = false;
    std::string_view integerDigits;
    std::string_view fractionDigits;
    std::int64_t exponent = 0;  // saturates far beyond any double's range
};

std::string_view takeDigits(std::string_view text, std::size_t& pos) {
    const std::size_t start = pos;
    while (pos < text.size() && isDigit(text[pos])) ++pos;
    return text.substr(start, pos - start);
}

// Reads a decimal number from `pos` on, as far as it fits, and moves `pos` past it. An 'E'
// belongs to the number only if digits follow it. Returns false when there are no digits before
// the exponent, i.e. no number at all.
bool scanDecimal(std::string_view text, std::size_t& pos, DecimalParts& parts) {
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        parts.negative = text[pos] == '-';
        ++pos;
    }
    parts.integerDigits = takeDigits(text, pos);
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        parts.fractionDigits = takeDigits(text, pos);
    }
    if (parts.integerDigits.empty() && parts.fractionDigits.empty()) return false;

    if (pos < text.size() && (text[pos] == 'E' || text[pos] == 'e')) {
        std::size_t exponentPos = pos + 1;
        bool negativeExponent = false;
        if (exponentPos < text.size() && (text[exponentPos] == '+' || text[exponentPos] == '-')) {
            negativeExponent = text[exponentPos] == '-';
            ++exponentPos;
        }
        const std::string_view digits = takeDigits(text, exponentPos);
        if (!digits.empty()) {
            constexpr std::int64_t saturation = 1'000'000'000'000'000;
            std::int64_t exponent = 0;
            for (char digit : digits)
                exponent = std::min(exponent * 10 + (digit - '0'), saturation);
            parts.exponent = negativeExponent ? -exponent : exponent;
            pos = exponentPos;
        }
    }
    return true;
}

Checked<double> signedZero(bool negative) { return {negative ? -0.0 : 0.0}; }

Checked<double> largest(bool negative) {
    constexpr double max = std::numeric_limits<double>::max();
    return {negative ? -max : max};
}

// Hands from_chars the parts as one clean span, with the given decimal exponent, and reports
// its error; an unread tail counts as invalid.
std::errc readClean(const DecimalParts& parts, std::string_view integer, std::int64_t exponent,
                    double& value) {
    std::string clean;
    clean.reserve(integer.size() + parts.fractionDigits.size() + 24);
    if (parts.negative) clean += '-';
    clean += integer.empty() ? std::string_view("0") : integer;
    clean += '.';
    clean += parts.fractionDigits;
    clean += 'e';
    char digits[24];
    clean.append(digits, std::to_chars(digits, digits + sizeof digits, exponent).ptr);

    const auto [end, error] = std::from_chars(clean.data(), clean.data() + clean.size(), value);
    if (error == std::errc() && end != clean.data() + clean.size())
        return std::errc::invalid_argument;
    return error;
}

// The largest double's number text, '1.79769313486232E+308', lies above the largest double
// itself. A value beyond the range that rounds to that text at 15 digits reads as the largest
// double, so that every number text the calculator writes reads back. A tenth of the value is
// in range and has the same digits.
bool roundsToLargestText(const DecimalParts& parts, std::string_view integer) {
    double tenth = 0;
    if (readClean(parts, integer, parts.exponent - 1, tenth) != std::errc()) return false;
    return numberText(std::fabs(tenth)) == numberText(std::numeric_limits<double>::max() / 10);
}

// The value of the parts, correctly rounded. Beyond the double range is an overflow (unless it
// rounds to the largest double's text); below it the value is a zero of the number's sign.
Checked<double> valueOf(const DecimalParts& parts) {
    std::string_view integer = parts.integerDigits;
    integer.remove_prefix(std::min(integer.find_first_not_of('0'), integer.size()));
    const std::size_t fractionZeros =
        std::min(parts.fractionDigits.find_first_not_of('0'), parts.fractionDigits.size());
    if (integer.empty() && fractionZeros == parts.fractionDigits.size()) {
        return signedZero(parts.negative);
    }
    // The decimal exponent of the first significant digit decides overflow and underflow
    // before from_chars is asked, which reports both alike.
    const std::int64_t magnitude =
        parts.exponent + (integer.empty() ? -static_cast<std::int64_t>(fractionZeros) - 1
                                          : static_cast<std::int64_t>(integer.size()) - 1);
    if (magnitude > 308) return failed<double>(Fault::Overflow);
    if (magnitude < -330) return signedZero(parts.negative);

    double value = 0;
    const std::errc error = readClean(parts, integer, parts.exponent, value);
    if (error == std::errc::result_out_of_range) {
        if (magnitude <= 0) return signedZero(parts.negative);
        return roundsToLargestText(parts, integer) ? largest(parts.negative)
                                                   : failed<double>(Fault::Overflow);
    }
    if (error != std::errc() || !std::isfinite(value)) {
        return failed<double>(Fault::Invalid);  // cannot happen for a clean span; kept safe
    }
    return {value};
}

// Octal digits rewritten as hexadecimal ones, so that one exact reader serves both prefixes.
std::string octalAsHex(std::string_view octal) {
    std::string bits;
    bits.reserve(octal.size() * 3 + 3);
    for (char digit : octal) {
        const int value = digit - '0';
        bits += (value & 4) ? '1' : '0';
        bits += (value & 2) ? '1' : '0';
        bits += (value & 1) ? '1' : '0';
    }
    bits.insert(0, (4 - bits.size() % 4) % 4, '0');
    std::string hex;
    for (std::size_t i = 0; i < bits.size(); i += 4) {
        const int nibble = (bits[i] - '0') * 8 + (bits[i + 1] - '0') * 4 + (bits[i + 2] - '0') * 2 +
                           (bits[i + 3] - '0');
        hex += "0123456789abcdef"[nibble];
    }
    return hex;
}

// The digits after '&H' or '&O', as far as they are digits of that base.
Checked<double> radixValue(std::string_view text, bool octal) {
    const auto end = std::find_if_not(text.begin(), text.end(), octal ? isOctalDigit : isHexDigit);
    const std::string_view digits = text.substr(0, static_cast<std::size_t>(end - text.begin()));
    if (digits.empty()) return {0.0};

    const std::string hex = octal ? octalAsHex(digits) : std::string(digits);
    double value = 0;
    const auto [ptr, error] =
        std::from_chars(hex.data(), hex.data() + hex.size(), value, std::chars_format::hex);
    if (error == std::errc::result_out_of_range || !std::isfinite(value)) {
        return failed<double>(Fault::Overflow);
    }
    return {value};
}

bool isIgnoredWhiteSpace(char c) { return c == ' ' || c == '\t' || c == '\n'; }

bool isBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

Checked<double> numericValue(std::string_view text) {
    std::string compact;
    compact.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(compact),
                 [](char c) { return !isIgnoredWhiteSpace(c); });

    if (compact.size() >= 2 && compact[0] == '&') {
        const char prefix = compact[1];
        if (prefix == 'H' || prefix == 'h')
            return radixValue(std::string_view(compact).substr(2), false);
        if (prefix == 'O' || prefix == 'o')
            return radixValue(std::string_view(compact).substr(2), true);
    }
    std::size_t pos = 0;
    DecimalParts parts;
    if (!scanDecimal(compact, pos, parts)) return {0.0};
    return valueOf(parts);
}

Checked<double> strictValue(std::string_view text) {
    const auto first = std::find_if_not(text.begin(), text.end(), isBlank);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), isBlank).base();
    if (first >= last) return failed<double>(Fault::Invalid);
    const std::string_view number(first, last);

    std::size_t pos = 0;
    DecimalParts parts;
    if (!scanDecimal(number, pos, parts) || pos != number.size()) {
        return failed<double>(Fault::Invalid);
    }
    return valueOf(parts);
}

}  // namespace numbrel
