#include "app/form1.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/button_bindings.h"

namespace numbrel {
namespace {

struct StartRow {
    std::string name;
    ControlKind kind;
    std::string captionOrText;
    Twips geometry;
    bool visible;
    int tabIndex;
};

// The window's control table, as the user first sees it.
const std::vector<StartRow> kControlTable = {
    {"Command1", ControlKind::Button, "1", {360, 1800, 615, 495}, false, 0},
    {"Command2", ControlKind::Button, "2", {960, 1800, 615, 495}, false, 1},
    {"Command3", ControlKind::Button, "3", {1560, 1800, 615, 495}, false, 2},
    {"Command4", ControlKind::Button, "4", {360, 1320, 615, 495}, false, 3},
    {"Command5", ControlKind::Button, "5", {960, 1320, 615, 495}, false, 4},
    {"Command6", ControlKind::Button, "6", {1560, 1320, 615, 495}, false, 5},
    {"Command7", ControlKind::Button, "7", {360, 840, 615, 495}, false, 6},
    {"Command8", ControlKind::Button, "8", {960, 840, 615, 495}, false, 7},
    {"Command9", ControlKind::Button, "9", {1560, 840, 615, 495}, false, 8},
    {"Command10", ControlKind::Button, "-", {2280, 1800, 615, 495}, false, 9},
    {"Command11", ControlKind::Button, "+", {2280, 1320, 615, 495}, false, 10},
    {"Command12", ControlKind::Button, "*", {2880, 1320, 615, 495}, false, 11},
    {"Command13", ControlKind::Button, "/", {2880, 1800, 615, 495}, false, 13},
    {"Command14", ControlKind::Button, "=", {2280, 2280, 1215, 495}, false, 14},
    {"Command15", ControlKind::Button, "CE", {4200, 120, 615, 495}, false, 15},
    {"Command16", ControlKind::Button, "0", {360, 2280, 615, 495}, false, 20},
    {"Command17", ControlKind::Button, "-/+", {960, 2280, 615, 495}, false, 23},
    {"Command18", ControlKind::Button, ".", {1560, 2280, 615, 495}, false, 24},
    {"Command19", ControlKind::Button, "Del", {3600, 1320, 615, 495}, false, 25},
    {"Command20", ControlKind::Button, "Round (2)", {4200, 2280, 615, 495}, false, 40},
    {"Command21", ControlKind::Button, "ABS", {3600, 1800, 615, 495}, false, 26},
    {"Command22", ControlKind::Button, "Int", {3600, 2280, 615, 495}, false, 27},
    {"Command23", ControlKind::Button, "Round Int", {4200, 1320, 615, 495}, false, 28},
    {"Command24", ControlKind::Button, "Round (1)", {4200, 1800, 615, 495}, false, 29},
    {"Command25", ControlKind::Button, "^2", {4800, 1320, 615, 495}, false, 30},
    {"Command26", ControlKind::Button, "^x", {4800, 1800, 615, 495}, false, 31},
    {"Command27", ControlKind::Button, "Sqr 2", {4800, 2280, 615, 495}, false, 33},
    {"Command28", ControlKind::Button, "Sin", {5400, 1320, 615, 495}, false, 35},
    {"Command29", ControlKind::Button, "Cos", {5400, 1800, 615, 495}, false, 36},
    {"Command30", ControlKind::Button, "Tan", {5400, 2280, 615, 495}, false, 37},
    {"Command31", ControlKind::Button, "C", {3600, 120, 615, 495}, false, 41},
    {"Command32", ControlKind::Button, "ON", {4800, 120, 615, 495}, true, 42},
    {"Command33", ControlKind::Button, "Off", {5400, 120, 615, 495}, false, 43},
    {"Text1", ControlKind::TextBox, "", {360, 240, 1815, 375}, false, 12},
    {"Text2", ControlKind::TextBox, "", {0, 0, 495, 285}, false, 16},
    {"Text3", ControlKind::TextBox, "", {0, 240, 495, 285}, false, 17},
    {"Text4", ControlKind::TextBox, "", {0, 480, 495, 285}, false, 18},
    {"Text5", ControlKind::TextBox, "", {0, 720, 495, 285}, false, 19},
    {"Text6", ControlKind::TextBox, "", {0, 960, 495, 285}, false, 21},
    {"Text7", ControlKind::TextBox, "", {0, 1440, 495, 285}, false, 32},
    {"Text8", ControlKind::TextBox, "", {0, 1680, 495, 285}, false, 34},
    {"Text9", ControlKind::TextBox, "", {0, 2040, 495, 285}, false, 38},
    {"Text10", ControlKind::TextBox, "", {0, 2520, 495, 285}, false, 39},
    {"Label1", ControlKind::Label, "0", {0, 3000, 375, 375}, false, 22},
};

std::string captionOrText(const CommandButton& button) { return button.Caption; }
std::string captionOrText(const TextBox& box) { return box.Text; }
std::string captionOrText(const Label& label) { return label.Caption; }

TEST(Form1, StartsInTheStartStateOfEveryControl) {
    const Form1 form;
    std::size_t row = 0;
    form.visitControls([&](std::string_view name, const auto& control) {
        ASSERT_LT(row, kControlTable.size());
        const StartRow& expected = kControlTable[row++];
        SCOPED_TRACE(expected.name);
        EXPECT_EQ(name, expected.name);
        EXPECT_EQ(control.kind, expected.kind);
        EXPECT_EQ(captionOrText(control), expected.captionOrText);
        EXPECT_EQ(control.geometry, expected.geometry);
        EXPECT_EQ(control.Visible, expected.visible);
        EXPECT_EQ(control.TabIndex, expected.tabIndex);
        if constexpr (requires { control.Enabled; }) {
            EXPECT_TRUE(control.Enabled);
        }
    });
    EXPECT_EQ(row, kControlTable.size());
    EXPECT_FALSE(form.lastEventFaulted());
}

TEST(Form1, UsesEveryTabIndexOnce) {
    std::set<int> seen;
    Form1().visitControls(
        [&](std::string_view, const auto& control) { seen.insert(control.TabIndex); });
    EXPECT_EQ(seen.size(), 44u);
    EXPECT_EQ(*seen.begin(), 0);
    EXPECT_EQ(*seen.rbegin(), 43);
}

TEST(ButtonBindings, PairEachButtonWithItsOwnHandler) {
    // Clicking "ON" through the binding of Command32 must switch the pad on.
    Form1 form;
    const ButtonBinding& on = buttonBindings[31];
    EXPECT_EQ((form.*on.button).Caption, "ON");
    (form.*on.click)();
    EXPECT_FALSE(form.Command32.Enabled);

    // Every binding's record is the button of that number: captions follow the table.
    for (std::size_t i = 0; i < buttonBindings.size(); ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_EQ((form.*buttonBindings[i].button).Caption, kControlTable[i].captionOrText);
    }
}

}  // namespace
}  // namespace numbrel
