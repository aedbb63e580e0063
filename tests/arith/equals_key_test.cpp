#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "app/form1.h"
#include "support/keys.h"

namespace numbrel {
namespace {

using testing::press;
using testing::switchedOn;

struct Sequence {
    std::vector<std::string_view> keys;
    std::string display;
};

// Each row starts switched on, from the start state, and lists what the display shows after
// the keys.
void expectSequences(const std::vector<Sequence>& rows) {
    for (const Sequence& row : rows) {
        std::string trace;
        for (std::string_view key : row.keys) trace += std::string(key) + " ";
        SCOPED_TRACE(trace);
        Form1 form = switchedOn();
        for (std::string_view key : row.keys) press(form, key);
        EXPECT_EQ(form.Text1.Text, row.display);
        EXPECT_FALSE(form.lastRefusal());
    }
}

TEST(EqualsKey, FirstPressCombinesRegisterWithDisplay) {
    expectSequences({
        {{"1", "2", "+", "3", "="}, "15"},
        {{"2", "0", "-", "5", "="}, "15"},
        {{"6", "*", "7", "="}, "42"},
        {{"7", "/", "2", "="}, "3"},
        {{"8", "/", "3", "="}, "2"},
        {{"2", "^x", "3", "="}, "8"},
        {{"2", "^x", "="}, "1"},  // the empty display is the exponent 0
        {{"5", "+", "="}, "5"},
        {{"1", "+", "2", "+", "3", "="}, "5"},        // the second "+" replaced the first operand
        {{"5", "+", "3", "-", "2", "="}, "-4"},       // 5 + 2, then 3 - 7
        {{"9", "/", "3", "*", "2", "="}, "1"},        // 3 * 2 first, then 9 / 6
        {{"1", "0", "-", "2", "*", "3", "="}, "14"},  // 10 - 3 first, then 7 * 2
        {{"0", "^x", ".", "5", "="}, "0"},            // a zero base takes any exponent
        {{"7", "="}, "7"},                            // nothing pending
    });
}

TEST(EqualsKey, LaterPressesRepeatWithTheLastDigitKey) {
    expectSequences({
        {{"1", "2", "+", "3", "=", "="}, "18"},
        {{"1", "2", "+", "3", "=", "=", "="}, "21"},
        {{"1", "2", "+", "3", "4", "=", "="}, "50"},  // the repeat digit is '4', not '34'
        {{"2", "0", "-", "5", "=", "="}, "10"},
        {{"6", "*", "7", "=", "="}, "294"},
        {{"7", "/", "2", "=", "="}, "1"},
        {{"7", "/", "2", "=", "=", "=", "="}, "0"},
        {{"2", "^x", "3", "=", "="}, "256"},  // the power has no repeat form: 2 ^ 8
        {{"5", "+", "3", "-", "2", "=", "="}, "-4"},
        {{"1", "2", "+", "3", "=", "+", "1", "="}, "2"},  // chaining repeats: 1 + 1
        {{"1", "2", "+", "3", "=", "C", "4", "+", "5", "="}, "10"},
        {{"1", "2", "+", "3", "=", "CE", "4", "+", "5", "="}, "9"},
        {{"CE", "=", "5", "+", "3", "="}, "6"},  // the first "=" was already counted
        {{"2", "^x", "3", "=", "C", "1", "+", "1", "="}, "4"},
    });
}

TEST(EqualsKey, ReadsRegistersLeniently) {
    Form1 form = switchedOn();
    form.Text2.Text = "0.2";
    form.Text1.Text = "0.1";
    press(form, "=");
    EXPECT_EQ(form.Text1.Text, "0.3");
    EXPECT_EQ(form.Text2.Text, "0.2");  // "=" never clears a register
    EXPECT_EQ(form.Label1.Caption, "1");

    struct Division {
        std::string dividend, divisor, quotient;
    };
    for (const Division& row : std::vector<Division>{
             {"7.5", "2", "4"}, {"3", "2.5", "1"}, {"-7", "2", "-3"}, {" ", "5", "0"}}) {
        SCOPED_TRACE(row.dividend + " / " + row.divisor);
        Form1 division = switchedOn();
        division.Text5.Text = row.dividend;
        division.Text1.Text = row.divisor;
        press(division, "=");
        EXPECT_EQ(division.Text1.Text, row.quotient);
    }
}

TEST(EqualsKey, TypedDigitsDoNotFeedTheRepeatRegister) {
    Form1 form = switchedOn();
    form.Text1.Text = "5";  // typed on the keyboard
    press(form, "+");
    form.Text1.Text = "3";
    press(form, "=");
    EXPECT_EQ(form.Text1.Text, "8");
    press(form, "=");
    EXPECT_EQ(form.Text1.Text, "8");  // the empty repeat register reads as 0
}

}  // namespace
}  // namespace numbrel
