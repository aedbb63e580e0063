#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/form1.h"
#include "support/keys.h"

namespace numbrel {
namespace {

using testing::press;

TEST(DigitKeys, EachKeyAppendsItsDigitAndRecordsItAsRepeatDigit) {
    for (const std::string digit : {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}) {
        SCOPED_TRACE(digit);
        Form1 form;
        form.Text1.Text = "12";
        press(form, digit);
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
