#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

#include "numeric/whole_number.h"

namespace numbrel {
namespace {

TEST(WholeNumber, RoundsHalfToEvenWithinThirtyTwoBits) {
    const std::vector<std::pair<double, std::int32_t>> rows = {
        {0.5, 0},
        {1.5, 2},
        {2.5, 2},
        {3.5, 4},
        {-1.5, -2},
        {-2.5, -2},
        {-0.5, 0},
        {2.4, 2},
        {2.6, 3},
        {0.49999999999999994, 0},
        {2147483647, 2147483647},
        {2147483647.4, 2147483647},
        {-2147483648.5, -2147483648},
    };
    for (const auto& [value, whole] : rows) {
        SCOPED_TRACE(value);
        EXPECT_EQ(wholeNumber(value), whole);
    }
    for (double outside :
         {2147483647.5, -2147483649.0, 1e300, std::numeric_limits<double>::infinity(),
          std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_FALSE(wholeNumber(outside)) << outside;
    }
}

}  // namespace
}  // namespace numbrel
