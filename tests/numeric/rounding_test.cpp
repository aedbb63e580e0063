#include "numeric/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "numeric/number_text.h"

namespace numbrel {
namespace {

TEST(RoundDecimal, RoundsHalfToEvenOnTheShortestDecimal) {
    struct Row {
        double value;
        int places;
        std::string text;
    };
    const std::vector<Row> rows = {
        {0.125, 2, "0.12"},  // an exact tie goes to the even digit
        {0.375, 2, "0.38"},
        {2.675, 2, "2.68"},  // a tie as written, though its double lies below the tie
        {1.005, 2, "1"},     // likewise, to the even 1.00
        {0.25, 1, "0.2"},
        {0.35, 1, "0.4"},
        {3.14159, 2, "3.14"},
        {7, 2, "7"},
        {2.5, 0, "2"},
        {3.5, 0, "4"},
        {-2.5, 0, "-2"},
        {0.5, 0, "0"},
        {2.500001, 0, "3"},  // just beyond a tie
        {1e300, 2, "1E+300"},
        {0.1234567895, 9, "0.12345679"},
        {9.995, 2, "10"},                          // the carry runs through every digit
        {1.5e-9, 9, "2E-09"},                      // digits given in exponent form
        {5e-324, 2, "0"},                          // wholly below the last place
        {2.674999999999999, 2, "2.67"},            // a tie only when cut to 15 digits
        {123456789012.345, 2, "123456789012.34"},  // exact, where scaling by 100 is not
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(numberText(roundDecimal(row.value, row.places)), row.text);
    }
    EXPECT_TRUE(std::signbit(roundDecimal(-0.0000000001, 9)));  // written '0' all the same
}

}  // namespace
}  // namespace numbrel
