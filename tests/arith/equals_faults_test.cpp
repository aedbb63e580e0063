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
    Refusal refusal;
};

// A refused "=" still counts the press; the steps before the failing one keep what they wrote,
// the failing step writes nothing and the steps after it do not run. No register changes. The
// refusal names the failing step and why it failed.
TEST(EqualsFaults, StopAtTheFailingStepAndKeepEarlierResults) {
    constexpr Refusal sumTooLarge{Reason::ResultTooLarge, Step::Addition};
    constexpr Refusal divisionByZero{Reason::DivisionByZero, Step::Division};
    constexpr Refusal beyondWholeNumbers{Reason::BeyondWholeNumbers, Step::Division};
    constexpr Refusal powerTooLarge{Reason::ResultTooLarge, Step::Power};
    const std::vector<FaultRow> rows = {
        {"sum beyond the double range", {"1E+308", "1E+308", "", "", "", "", ""}, "1E+308",
         sumTooLarge},
        {"product beyond the double range", {"1E+200", "", "", "1E+200", "", "", ""}, "1E+200",
         {Reason::ResultTooLarge, Step::Multiplication}},
        {"display beyond the double range", {"1E+3005", "1", "", "", "", "", ""}, "1E+3005",
         {Reason::NumberTooLarge, Step::Addition}},
        {"register beyond the double range", {"2", "", "1E+3005", "", "", "", ""}, "2",
         {Reason::NumberTooLarge, Step::Subtraction}},
        {"division by zero after the addition", {"2", "-2", "", "", "7", "", "2"}, "0",
         divisionByZero},
        {"divisor of 0.5 rounds to zero", {"0.5", "", "", "", "9", "", ""}, "0.5", divisionByZero},
        {"empty divisor reads as zero", {"", "", "", "", "5", "", ""}, "", divisionByZero},
        {"dividend outside 32 bits", {"2", "", "", "", "3000000000", "", ""}, "2",
         beyondWholeNumbers},
        {"divisor outside 32 bits", {"-2147483649", "", "", "", "5", "", ""}, "-2147483649",
         beyondWholeNumbers},
        {"quotient outside 32 bits", {"-1", "", "", "", "-2147483648", "", ""}, "-1",
         {Reason::ResultTooLarge, Step::Division}},
        {"power of a negative base", {"0.25", "0.25", "", "", "", "", "-8"}, "0.5",
         {Reason::FractionalPowerOfNegative, Step::Power}},
        {"power beyond the double range", {"400", "", "", "", "", "", "10"}, "400",
         powerTooLarge},
        {"zero to a negative power", {"-1", "", "", "", "", "", "0"}, "-1", powerTooLarge},
        {"exponent beyond the double range", {"1E+3005", "", "", "", "", "", "2"}, "1E+3005",
         {Reason::NumberTooLarge, Step::Power}},
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
        EXPECT_EQ(form.lastRefusal(), row.refusal);
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
    EXPECT_EQ(form.lastRefusal(), (Refusal{Reason::DivisionByZero, Step::Division}));
    EXPECT_EQ(form.Text1.Text, "40");
    EXPECT_EQ(form.Label1.Caption, "2");
}

TEST(EqualsFaults, RepeatedMultiplicationStopsAtTheLastFiniteProduct) {
    Form1 form = switchedOn();
    press(form, {"9", "*", "9", "="});
    int presses = 1;
    while (!form.lastRefusal() && presses < 1000) {
        press(form, "=");
        ++presses;
    }
    ASSERT_EQ(form.lastRefusal(), (Refusal{Reason::ResultTooLarge, Step::Multiplication}));
    const std::string last = form.Text1.Text;
    EXPECT_EQ(last.substr(last.size() - 5), "E+308");  // 9^323 is the last product that fits
    press(form, "=");
    EXPECT_EQ(form.Text1.Text, last);
}

// The counter is counted before any step, so a counter beyond the double range stops "=" there.
TEST(EqualsFaults, ACounterBeyondTheDoubleRangeRefusesBeforeAnyStep) {
    Form1 form = switchedOn();
    form.Label1.Caption = "1E+3005";
    press(form, {"2", "+", "3", "="});
    EXPECT_EQ(form.lastRefusal(), (Refusal{Reason::NumberTooLarge, Step::PressCounter}));
    EXPECT_EQ(form.Text1.Text, "3");
    EXPECT_EQ(form.Label1.Caption, "1E+3005");
}

}  // namespace
}  // namespace numbrel
