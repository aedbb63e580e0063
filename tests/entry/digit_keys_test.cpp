#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/form1.h"
#include "support/keys.h"

namespace numbrel {
namespace {

using testing::press;

TEST(DigitKeys, EachKeyAppendsItsDigitAndRecordsItAsRepeatDigit) {
    // Each digit key is bound to its own handler: Command1..Command9 and Command16 ("0").
    const std::pair<void (Form1::*)(), std::string> digitKeys[] = {
        {&Form1::Command1_Click, "1"}, {&Form1::Command2_Click, "2"},
        {&Form1::Command3_Click, "3"}, {&Form1::Command4_Click, "4"},
        {&Form1::Command5_Click, "5"}, {&Form1::Command6_Click, "6"},
        {&Form1::Command7_Click, "7"}, {&Form1::Command8_Click, "8"},
        {&Form1::Command9_Click, "9"}, {&Form1::Command16_Click, "0"},
    };
    for (const auto& [click, digit] : digitKeys) {
        SCOPED_TRACE(digit);
        Form1 form;
        form.Text1.Text = "12";
        (form.*click)();
        EXPECT_EQ(form.Text1.Text, "12" + digit);
        EXPECT_EQ(form.Text6.Text, digit);
    }
}

TEST(DigitKeys, BuildTextWithoutAnyRule) {
    struct Row {
        std::string before;
        std::vector<std::string_view> keys;
        std::string display;
        std::string repeat;
    };
    const std::vector<Row> rows = {
        {"", {"5"}, "5", "5"},
        {"", {"0", "0", "7"}, "007", "7"},
        {"", {"."}, ".", "9"},  // the point leaves the repeat register as it was
        {"", {"1", ".", "5", ".", "2"}, "1.5.2", "2"},
        {"15", {"3"}, "153", "3"},
        {"-12", {"5"}, "-125", "5"},
        {"1E+15", {"2"}, "1E+152", "2"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.display);
        Form1 form;
        form.Text1.Text = row.before;
        form.Text6.Text = "9";
        for (std::string_view key : row.keys) press(form, key);
        EXPECT_EQ(form.Text1.Text, row.display);
        EXPECT_EQ(form.Text6.Text, row.repeat);
        EXPECT_FALSE(form.lastRefusal());
    }
}

}  // namespace
}  // namespace numbrel
