// Any byte string as a text through the lenient and strict readings; every value read goes on
// through number text, rounding and the whole-number conversion.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "numeric/number_reading.h"
#include "numeric/number_text.h"
#include "numeric/rounding.h"
#include "numeric/whole_number.h"
#include "require.h"

namespace numbrel::fuzz {
namespace {

// A finite value's number text: only number characters, and either reading gives back a value
// with the same text.
void checkNumberText(double value) {
    require(std::isfinite(value), "every value read or rounded is finite");
    const std::string text = numberText(value);
    require(text.find_first_not_of("0123456789.E+-") == std::string::npos,
            "number text holds only digits, '.', 'E' and signs");
    for (auto read : {numericValue, strictValue}) {
        const Checked<double> back = read(text);
        require(static_cast<bool>(back), "number text reads back");
        require(numberText(back.value) == text, "number text reads back as the same value");
    }
}

void checkRounding(double value) {
    for (int places : {0, 1, 2, 9}) {
        const double rounded = roundDecimal(value, places);
        const double bound = 0.5 * std::pow(10.0, -places) * (1 + 1e-9) + std::fabs(value) * 1e-15;
        require(std::fabs(rounded - value) <= bound, "rounding moves by at most half a place");
        require(roundDecimal(rounded, places) == rounded, "a rounded value rounds to itself");
        checkNumberText(rounded);
    }

    const std::optional<std::int32_t> whole = wholeNumber(value);
    if (whole) {
        require(std::fabs(*whole - value) <= 0.5, "a whole number is the nearest one");
    } else {
        require(std::fabs(value) >= 2147483647.5, "only values beyond 32 bits fail to be whole");
    }
}

void checkValue(double value) {
    checkNumberText(value);
    checkRounding(value);
}

}  // namespace
}  // namespace numbrel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace numbrel;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const Checked<double> lenient = numericValue(text);
    const Checked<double> strict = strictValue(text);
    if (lenient) fuzz::checkValue(lenient.value);
    if (strict) {
        fuzz::require(lenient && lenient.value == strict.value,
                      "a strict reading is also the lenient one");
        fuzz::checkValue(strict.value);
    }
    return 0;
}
