#include "app/form1.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/control_table.h"
#include "support/keys.h"

namespace numbrel {
namespace {

TEST(Form1, StartsSwitchedOffWithEmptyTextsAndTheCounterAtZero) {
    const Form1 form;
    int visible = 0;
    std::set<std::string> captions;
    visitControls(form, [&](const ControlRow& row, const auto& control) {
        SCOPED_TRACE(row.name);
        if (control.Visible) ++visible;
        if constexpr (requires { control.Enabled; }) captions.insert(control.Caption);
        if constexpr (requires { control.Enabled; }) {
            EXPECT_TRUE(control.Enabled);
        }
        if constexpr (requires { control.Text; }) {
            EXPECT_EQ(control.Text, "");
        }
    });
    EXPECT_EQ(visible, 1);
    EXPECT_EQ(captions.size(), 33u);  // a user tells every key by its caption
    EXPECT_TRUE(form.Command32.Visible);
    EXPECT_EQ(form.Command32.Caption, "ON");
    EXPECT_EQ(form.Label1.Caption, "0");
    EXPECT_FALSE(form.lastRefusal());
}

TEST(Form1, UsesEveryTabIndexOnce) {
    std::set<int> seen;
    const Form1 form;
    visitControls(form,
                  [&](const ControlRow&, const auto& control) { seen.insert(control.TabIndex); });
    EXPECT_EQ(seen.size(), 44u);
    EXPECT_EQ(*seen.begin(), 0);
    EXPECT_EQ(*seen.rbegin(), 43);
}

// The user sees the keys and the display whole inside the window; neighbouring keys share a
// seam of 15 twips and overlap nowhere else.
TEST(Form1, ShownControlsLieInsideTheClientAreaAndMeetOnlyAtTheSeams) {
    std::vector<std::pair<std::string, Twips>> shown;
    const Form1 form = testing::switchedOn();
    visitControls(form, [&](const ControlRow& row, const auto& control) {
        if (control.Visible) shown.emplace_back(row.name, control.geometry);
    });
    ASSERT_EQ(shown.size(), 34u);
    constexpr Twips area = Form1::clientArea;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const auto& [name, place] = shown[i];
        SCOPED_TRACE(name);
        EXPECT_GE(place.left, area.left);
        EXPECT_GE(place.top, area.top);
        EXPECT_LE(place.left + place.width, area.left + area.width);
        EXPECT_LE(place.top + place.height, area.top + area.height);
        for (std::size_t j = i + 1; j < shown.size(); ++j) {
            const Twips& other = shown[j].second;
            const int across = std::min(place.left + place.width, other.left + other.width) -
                               std::max(place.left, other.left);
            const int down = std::min(place.top + place.height, other.top + other.height) -
                             std::max(place.top, other.top);
            EXPECT_TRUE(across <= 15 || down <= 15) << "overlaps " << shown[j].first;
        }
    }
}

// A row that paired a button with another button's handler would make that key do the wrong
// thing; every click handler is bound once.
TEST(ButtonBindings, PairEachButtonWithAHandlerOfItsOwn) {
    ASSERT_EQ(buttonBindings.size(), 33u);
    for (std::size_t i = 0; i < buttonBindings.size(); ++i) {
        for (std::size_t j = i + 1; j < buttonBindings.size(); ++j) {
            EXPECT_TRUE(buttonBindings[i].button != buttonBindings[j].button) << i << ", " << j;
            EXPECT_TRUE(buttonBindings[i].click != buttonBindings[j].click) << i << ", " << j;
        }
    }

    Form1 form;
    form.dispatch(buttonBindings[buttonIndex(&Form1::Command32)].click);
    EXPECT_FALSE(form.Command32.Enabled);
}

}  // namespace
}  // namespace numbrel
