#include <gtest/gtest.h>

#include <cstdint>
#include <utility>

#include "app/form1.h"

namespace numbrel {
namespace {

// The digits' neighbours in ASCII, the ends of the 16-bit range and digits of other scripts
// (Arabic-Indic zero, fullwidth zero) are all discarded.
TEST(KeyFilter, PassesOnlyTheTenDigits) {
    const std::pair<int, int> rows[] = {
        {'0', '0'}, {'9', '9'},  {'/', 0},    {':', 0},    {0, 0},
        {-1, 0},    {0x0660, 0}, {0xFF10, 0}, {-32768, 0}, {32767, 0},
    };
    Form1 form;
    for (const auto& [typed, passed] : rows) {
        auto code = static_cast<std::int16_t>(typed);
        form.Text1_KeyPress(code);
        EXPECT_EQ(code, static_cast<std::int16_t>(passed)) << "code " << typed;
    }
    EXPECT_TRUE(form.Text1.Text.empty());  // the filter never writes the display itself
    EXPECT_TRUE(form.Text6.Text.empty());
}

}  // namespace
}  // namespace numbrel
