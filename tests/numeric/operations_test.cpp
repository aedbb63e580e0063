#include "numeric/operations.h"

#include <gtest/gtest.h>

namespace numbrel {
namespace {

TEST(Operations, ReportWhatIsNotAFiniteNumber) {
    EXPECT_FALSE(add(1e308, 1e308));
    EXPECT_FALSE(subtract(-1e308, 1e308));
    EXPECT_FALSE(multiply(1e200, 1e200));
    EXPECT_EQ(power(-8, 0.5).fault, Fault::Invalid);
    EXPECT_EQ(power(10, 400).fault, Fault::Overflow);
    EXPECT_EQ(power(0, -1).fault, Fault::Overflow);
    EXPECT_EQ(power(-3, 2).value, 9);
    EXPECT_EQ(power(2, 0).value, 1);
    EXPECT_EQ(squareRoot(-1).fault, Fault::Invalid);
    EXPECT_EQ(divideWhole(7, 0).fault, Fault::Invalid);
    EXPECT_EQ(divideWhole(-2147483647 - 1, -1).fault, Fault::Overflow);
    EXPECT_EQ(divideWhole(-7, 2).value, -3);
}

}  // namespace
}  // namespace numbrel
