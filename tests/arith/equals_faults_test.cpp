#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/form1.h"
#include "support/keys.h"

namespace numbrel {
namespace {

using testing::press;
using testing::switchedOn;

// The registers "=" reads, set before a press: display, +, -, *, /, repeat, ^x.
struct Registers {
    std::string display, add, subtract, multiply, divide, repeat, power;
};

struct FaultRow {
    std::string what;
    Registers before;
    std::string displayAfter;
};

// A refused "=" still counts the press; the steps before the failing one keep what they wrote,
// the failing step writes nothing and the steps after it do not run. No register changes.
TEST(EqualsFaults, StopAtTheFailingStepAndKeepEarlierResults) {
    const std::vector<FaultRow> rows = {
        {"sum beyond the double range", {"1E+308", "1E+308", "", "", "", "", ""}, "1E+308"},
        {"product beyond the double range", {"1E+200", "", "", "1E+200", "", "", ""}, "1E+200"},
        {"display beyond the double range", {"1E+3005", "1", "", "", "", "", ""}, "1E+3005"},
        {"register beyond the double range", {"2", "", "1E+3005", "", "", "", ""}, "2"},
        {"division by zero after the addition", {"2", "-2", "", "", "7", "", "2"}, "0"},
        {"divisor of 0.5 rounds to zero", {"0.5", "", "", "", "9", "", ""}, "0.5"},
        {"empty divisor reads as zero", {"", "", "", "", "5", "", ""}, ""},
        {"dividend outside 32 bits", {"2", "", "", "", "3000000000", "", ""}, "2"},
        {"divisor outside 32 bits", {"-2147483649", "", "", "", "5", "", ""}, "-2147483649"},
        {"quotient outside 32 bits", {"-1", "", "", "", "-2147483648", "", ""}, "-1"},
        {"power of a negative base", {"0.25", "0.25", "", "", "", "", "-8"}, "0.5"},
        {"power beyond the double range", {"400", "", "", "", "", "", "10"}, "400"},
        {"zero to a negative power", {"-1", "", "", "", "", "", "0"}, "-1"},
    };
    for (const FaultRow& row : rows) {
        SCOPED_TRACE(row.what);
        Form1 form = switchedOn();
        const Registers& r = row.before;
        form.Text1.Text = r.display;
        form.Text2.Text = r.add;
        form.Text3.Text = r.subtract;
        form.Text4.Text = r.multiply;
        form.Text5.Text = r.divide;
        form.Text6.Text = r.repeat;
        form.Text7.Text = r.power;
        press(form, "=");
        EXPECT_TRUE(form.lastEventFaulted());
        EXPECT_EQ(form.Text1.Text, row.displayAfter);
        EXPECT_EQ(form.Label1.Caption, "1");
        EXPECT_EQ(form.Text2.Text, r.add);
        EXPECT_EQ(form.Text3.Text, r.subtract);
        EXPECT_EQ(form.Text4.Text, r.multiply);
        EXPECT_EQ(form.Text5.Text, r.divide);
        EXPECT_EQ(form.Text6.Text, r.repeat);
        EXPECT_EQ(form.Text7.Text, r.power);
    }
}

TEST(EqualsFaults, RepeatedDivisionByAZeroDigitIsRefused) {
    Form1 form = switchedOn();
    press(form, {"8", "/", "2", "=", "0"});  // '4', then the digit '0' is appended
    EXPECT_EQ(form.Text1.Text, "40");
    press(form, "=");  // 40 / repeat digit 0
    EXPECT_TRUE(form.lastEventFaulted());
    EXPECT_EQ(form.Text1.Text, "40");
    EXPECT_EQ(form.Label1.Caption, "2");
}

TEST(EqualsFaults, RepeatedMultiplicationStopsAtTheLastFiniteProduct) {
    Form1 form = switchedOn();
    press(form, {"9", "*", "9", "="});
    int presses = 1;
    while (!form.lastEventFaulted() && presses < 1000) {
        press(form, "=");
        ++presses;
    }
    ASSERT_TRUE(form.lastEventFaulted());
    const std::string last = form.Text1.Text;
    EXPECT_EQ(last.substr(last.size() - 5), "E+308");  // 9^323 is the last product that fits
    press(form, "=");
    EXPECT_EQ(form.Text1.Text, last);
}

}  // namespace
}  // namespace numbrel
