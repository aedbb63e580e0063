#include <gtest/gtest.h>

#include "app/form1.h"
#include "support/keys.h"

namespace numbrel {
namespace {

using testing::press;
using testing::switchedOn;

TEST(ClearingKeys, CClearsTheEntryAndCEClearsTheCalculation) {
    Form1 form = switchedOn();
    press(form, {"1", "2", "+", "3", "C", "4", "="});
    EXPECT_EQ(form.Text1.Text, "16");

    press(form, {"-", "7", "*", "8", "/", "9", "^x", "Sin", "CE"});
    for (const TextBox* field : {&form.Text1, &form.Text2, &form.Text3, &form.Text4, &form.Text5,
                                 &form.Text6, &form.Text7}) {
        EXPECT_EQ(field->Text, "");
    }
    EXPECT_EQ(form.Label1.Caption, "0");
    EXPECT_EQ(form.Text9.Text, "0");  // the angle register keeps its text
    EXPECT_TRUE(form.Text1.Visible);  // clearing hides nothing

    press(form, {"1", "2", "+", "3", "CE", "4", "="});
    EXPECT_EQ(form.Text1.Text, "4");
}

}  // namespace
}  // namespace numbrel
