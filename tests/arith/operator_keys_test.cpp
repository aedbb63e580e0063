#include <gtest/gtest.h>

#include "app/form1.h"
#include "support/keys.h"

namespace numbrel {
namespace {

using testing::press;
using testing::switchedOn;

TEST(OperatorKeys, ParkTheDisplayInTheirOwnRegister) {
    const std::pair<std::string_view, TextBox Form1::*> keys[] = {{"+", &Form1::Text2},
                                                                  {"-", &Form1::Text3},
                                                                  {"*", &Form1::Text4},
                                                                  {"/", &Form1::Text5},
                                                                  {"^x", &Form1::Text7}};
    for (const auto& [key, reg] : keys) {
        SCOPED_TRACE(std::string(key));
        Form1 form = switchedOn();
        press(form, {"1", ".", "2", ".", "3", "="});
        press(form, key);
        EXPECT_EQ((form.*reg).Text, "1.2.3");  // copied as it is, not as a number
        EXPECT_EQ(form.Text1.Text, "");
        EXPECT_EQ(form.Label1.Caption, "1");
        EXPECT_EQ(form.Text6.Text, "3");
    }
}

TEST(OperatorKeys, ReplaceOrCancelOnlyTheirOwnOperand) {
    Form1 form = switchedOn();
    press(form, {"1", "+", "2", "+"});
    EXPECT_EQ(form.Text2.Text, "2");
    press(form, {"5", "-", "+"});  // an empty display cancels the pending addition
    EXPECT_EQ(form.Text2.Text, "");
    EXPECT_EQ(form.Text3.Text, "5");
}

}  // namespace
}  // namespace numbrel
