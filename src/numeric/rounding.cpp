#include "numeric/rounding.h"

#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

#include "numeric/decimal_digits.h"
#include "numeric/number_text.h"

namespace numbrel {
namespace {

// Whether the dropped digits (at least one, no trailing zeros) carry the last kept digit up:
// beyond a half, or exactly a half after an odd digit.
bool carriesUp(std::string_view dropped, char lastKept) {
    if (dropped.front() != '5') return dropped.front() > '5';
    return dropped.size() > 1 || (lastKept - '0') % 2 == 1;
}

// Adds one to a whole number written in decimal digits: '129' -> '130', '99' -> '100'.
void addOne(std::string& digits) {
    const std::size_t last = digits.find_last_not_of('9');
    if (last == std::string::npos) {
        digits = '1' + std::string(digits.size(), '0');
        return;
    }
    ++digits[last];
    digits.replace(last + 1, std::string::npos, digits.size() - last - 1, '0');
}

}  // namespace

double roundDecimal(double value, int places) {
    if (!std::isfinite(value) || value == 0) return value;

    // The digits that lie at the last kept place or above it are those before `firstDropped`.
    const DecimalDigits shortest = shortestDigits(value);
    const int firstDropped = shortest.exponent + 1 + places;
    if (firstDropped >= static_cast<int>(shortest.digits.size())) return value;
    if (firstDropped < 0) return std::copysign(0.0, value);  // below a tenth of the last place

    // The result in units of the last place, then read back exactly: '267' e-2 for 2.675.
    const auto kept = static_cast<std::size_t>(firstDropped);
    std::string units = kept == 0 ? "0" : shortest.digits.substr(0, kept);
    if (carriesUp(std::string_view(shortest.digits).substr(kept), units.back())) addOne(units);
    std::string text = shortest.negative ? "-" : "";
    text += units;
    text += 'e' + integerText(-places);

    double rounded = 0;
    std::from_chars(text.data(), text.data() + text.size(), rounded);
    return rounded;
}

}  // namespace numbrel
