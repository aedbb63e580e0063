#include "numeric/decimal_digits.h"

#include <charconv>
#include <string_view>

namespace numbrel {
namespace {

// Takes apart to_chars' scientific text: '-d.ddde±x'.
DecimalDigits fromScientific(std::string_view text) {
    DecimalDigits parts;
    parts.negative = text.front() == '-';
    const std::size_t e = text.find('e');
    for (char c : text.substr(0, e)) {
        if (c >= '0' && c <= '9') parts.digits += c;
    }
    parts.digits.erase(parts.digits.find_last_not_of('0') + 1);
    const std::size_t exponentStart =
        text[e + 1] == '+' ? e + 2 : e + 1;  // from_chars takes no '+'
    std::from_chars(text.data() + exponentStart, text.data() + text.size(), parts.exponent);
    return parts;
}

}  // namespace

DecimalDigits shortestDigits(double value) {
    char text[32];
    const char* end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::scientific).ptr;
    return fromScientific({text, static_cast<std::size_t>(end - text)});
}

DecimalDigits significantDigits(double value, int count) {
    char text[32];
    const char* end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, count - 1)
            .ptr;
    return fromScientific({text, static_cast<std::size_t>(end - text)});
}

}  // namespace numbrel
