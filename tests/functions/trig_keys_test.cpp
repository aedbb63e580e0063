#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/form1.h"
#include "support/keys.h"

namespace numbrel {
namespace {

using testing::press;

TEST(TrigonometricKeys, WorkInDegreesThroughTheAngleRegister) {
    struct Row {
        std::string key, display, result, radians;
    };
    const std::vector<Row> rows = {
        {"Sin", "", "0", "0"},
        {"Cos", ".", "1", "0"},
        {"Tan", "", "0", "0"},
        {"Sin", "30", "0.5", "0.523598775666667"},
        {"Cos", "60", "0.5", "1.04719755133333"},
        {"Tan", "45", "1", "0.7853981635"},
        {"Sin", "90", "1", "1.570796327"},
        {"Sin", "45", "0.707106781", "0.7853981635"},
        {"Sin", "-30", "-0.5", "-0.523598775666667"},
        {"Sin", "180", "0", "3.141592654"},
        {"Cos", "90", "0", "1.570796327"},
        {"Sin", "360", "1E-09", "6.283185308"},  // pi is 3.141592654, so not quite a full turn
        {"Tan", "90", "-4875588902.82154", "1.570796327"},
        {"Sin", "1000000", "-0.984807357", "17453.2925222222"},
        // angles where the step order and the trip through the register show in the result
        {"Tan", "2067", "19.081138407", "36.0759556434333"},
        {"Sin", "-556", "0.275637357", "-9.70403064235556"},
        {"Cos", "21458", "-0.788010723", "374.512750941845"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.key + " of '" + row.display + "'");
        Form1 form;
        form.Text1.Text = row.display;
        press(form, row.key);
        EXPECT_FALSE(form.lastRefusal());
        EXPECT_EQ(form.Text1.Text, row.result);
        EXPECT_EQ(form.Text9.Text, row.radians);
    }
}

TEST(TrigonometricKeys, TakeTheirOwnResultAsDegreesWhenPressedAgain) {
    Form1 form;
    form.Text1.Text = "90";
    press(form, {"Sin", "Sin"});
    EXPECT_EQ(form.Text1.Text, "0.017452406");
}

TEST(TrigonometricKeys, RefuseAnAngleWhoseRadiansOverflow) {
    Form1 form;
    form.Text1.Text = "1E+308";
    form.Text9.Text = "1";
    press(form, "Cos");
    EXPECT_EQ(form.lastRefusal(), Refusal{Reason::NumberTooLarge});
    EXPECT_EQ(form.Text1.Text, "1E+308");
    EXPECT_EQ(form.Text9.Text, "1");
}

}  // namespace
}  // namespace numbrel
