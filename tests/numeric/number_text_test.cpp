#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "numeric/number_reading.h"
#include "numeric/number_text.h"

namespace numbrel {
namespace {

TEST(NumberText, WritesFifteenSignificantDigitsBriefly) {
    const std::vector<std::pair<double, std::string>> rows = {
        {1.0 / 3, "0.333333333333333"},
        {2, "2"},
        {-0.5, "-0.5"},
        {-0.25, "-0.25"},
        {0.0, "0"},
        {-0.0, "0"},
        {0.1 + 0.2, "0.3"},
        {123456789012345, "123456789012345"},
        {-4875588902.82154, "-4875588902.82154"},
        {2.0 / 3, "0.666666666666667"},
    };
    for (const auto& [value, text] : rows) EXPECT_EQ(numberText(value), text) << text;
}

TEST(NumberText, SwitchesToTheExponentFormFromTenToTheFifteenthAndBelowTenToTheMinusFour) {
    const std::vector<std::pair<double, std::string>> rows = {
        {1e15, "1E+15"},
        {999999999999999.9, "1E+15"},  // rounds up to 16 digits, so the exponent form
        {999999999999999, "999999999999999"},
        {1234567890123456, "1.23456789012346E+15"},
        {1.5e16, "1.5E+16"},
        {1.52415787501905e16, "1.52415787501905E+16"},
        {-1e100, "-1E+100"},
        {std::numeric_limits<double>::max(), "1.79769313486232E+308"},
        {0.0001, "0.0001"},
        {0.000099999999999999991, "0.0001"},  // rounds up into the plain form
        {0.00001, "1E-05"},
        {0.000012345, "1.2345E-05"},
        {1e-9, "1E-09"},
        {-2.5e-7, "-2.5E-07"},
        {std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
    };
    for (const auto& [value, text] : rows) EXPECT_EQ(numberText(value), text) << text;
}

TEST(NumberText, ReadsBackToTheSameValueAtFifteenDigits) {
    for (double value : {1.0 / 3, 1e-5, 123.456, -9.87654321e200, 5e-324, 1e15}) {
        const std::string text = numberText(value);
        SCOPED_TRACE(text);
        EXPECT_EQ(numberText(numericValue(text).value), text);
        EXPECT_EQ(numberText(strictValue(text).value), text);
    }
}

TEST(IntegerText, WritesPlainDecimal) {
    EXPECT_EQ(integerText(0), "0");
    EXPECT_EQ(integerText(15), "15");
    EXPECT_EQ(integerText(-3), "-3");
    EXPECT_EQ(integerText(std::numeric_limits<std::int32_t>::min()), "-2147483648");
}

}  // namespace
}  // namespace numbrel
