#include <gtest/gtest.h>

#include "app/control_table.h"

namespace numbrel {
namespace {

// Checks the two power states: every key but "ON" and the display follow `on`, "ON" is greyed
// while on, and the hidden records never show.
void expectPowerState(const Form1& form, bool on) {
    visitControls(form, [&](const ControlRow& row, const auto& control) {
        const std::string_view name = row.name;
        SCOPED_TRACE(row.name);
        if (name == "Command32") {
            EXPECT_TRUE(control.Visible);
        } else if (name.starts_with("Command") || name == "Text1") {
            EXPECT_EQ(control.Visible, on);
        } else {
            EXPECT_FALSE(control.Visible);
        }
        if constexpr (requires { control.Enabled; }) {
            EXPECT_EQ(control.Enabled, name != "Command32" || !on);
        }
    });
}

TEST(PowerSwitch, OnShowsThePadAndGreysItself) {
    Form1 form;
    expectPowerState(form, false);
    form.Command32_Click();
    expectPowerState(form, true);
    EXPECT_FALSE(form.lastRefusal());
}

TEST(PowerSwitch, CyclesOnlyAlternateBetweenTheTwoStates) {
    Form1 form;
    for (int cycle = 0; cycle < 3; ++cycle) {
        form.Command32_Click();
        expectPowerState(form, true);
        form.Command33_Click();
        expectPowerState(form, false);
    }
}

TEST(PowerSwitch, LeavesEveryTextAlone) {
    Form1 form;
    form.Command32_Click();
    form.Text1.Text = "12";
    form.Text2.Text = "5";
    form.Text6.Text = "2";
    form.Text9.Text = "0.5";
    form.Label1.Caption = "3";
    form.Command33_Click();
    form.Command32_Click();
    EXPECT_EQ(form.Text1.Text, "12");
    EXPECT_EQ(form.Text2.Text, "5");
    EXPECT_EQ(form.Text6.Text, "2");
    EXPECT_EQ(form.Text9.Text, "0.5");
    EXPECT_EQ(form.Label1.Caption, "3");
}

}  // namespace
}  // namespace numbrel
