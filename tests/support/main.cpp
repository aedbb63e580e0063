// The core tests' entry point. The process takes its locale from the environment, as the
// calculator does, so a run with LC_ALL set to a comma-decimal locale shows that no conversion
// depends on it.

#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
