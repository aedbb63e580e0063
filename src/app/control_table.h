#pragma once

// The window's control table: every control of Form1 once, in the order of the form, with its
// name, its record, its start-up properties and, for a button, its click handler. Everything
// that walks the controls works from this table: the constructor, visitControls, the button
// bindings, the power switch, the view and the fuzzers.

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>
#include <variant>

#include "app/form1.h"

namespace numbrel {

// Who ever sees a control.
enum class Appearance {
    Never,    // the registers and the press counter
    Always,   // "ON": shown from the start; the switch only greys it
    WhileOn,  // the display and every other key: shown by "ON", hidden by "Off"
};

using ControlRecord = std::variant<CommandButton Form1::*, TextBox Form1::*, Label Form1::*>;

// The twips by which a key of the pad reaches into the key to its right and the key below.
inline constexpr int keySeam = 15;

struct ControlRow {
    const char* name;
    ControlRecord record;
    void (Form1::*click)();  // a button's handler; null for the others
    const char* start;       // the caption, or the text a text box starts with
    Twips geometry;
    int tabIndex;
    Appearance appearance;
};

namespace control_rows {

// Every key of the pad is 615 x 495 twips: a pitch of 600 x 480 with a 15-twip seam.
constexpr Twips key(int left, int top) { return {left, top, 600 + keySeam, 480 + keySeam}; }

constexpr ControlRow button(const char* name, CommandButton Form1::*record, void (Form1::*click)(),
                            const char* caption, Twips geometry, int tabIndex,
                            Appearance appearance = Appearance::WhileOn) {
    return {name, record, click, caption, geometry, tabIndex, appearance};
}

// The hidden registers stand in one column at the left edge.
constexpr ControlRow hiddenField(const char* name, TextBox Form1::*record, int top, int tabIndex) {
    return {name, record, nullptr, "", {0, top, 495, 285}, tabIndex, Appearance::Never};
}

}  // namespace control_rows

// A row names its control once: as text and as the member.
#define NUMBREL_CONTROL(member) #member, &Form1::member

inline constexpr std::array<ControlRow, 44> controlTable = [] {
    using namespace control_rows;
    return std::array<ControlRow, 44>{{
        button(NUMBREL_CONTROL(Command1), &Form1::Command1_Click, "1", key(360, 1800), 0),
        button(NUMBREL_CONTROL(Command2), &Form1::Command2_Click, "2", key(960, 1800), 1),
        button(NUMBREL_CONTROL(Command3), &Form1::Command3_Click, "3", key(1560, 1800), 2),
        button(NUMBREL_CONTROL(Command4), &Form1::Command4_Click, "4", key(360, 1320), 3),
        button(NUMBREL_CONTROL(Command5), &Form1::Command5_Click, "5", key(960, 1320), 4),
        button(NUMBREL_CONTROL(Command6), &Form1::Command6_Click, "6", key(1560, 1320), 5),
        button(NUMBREL_CONTROL(Command7), &Form1::Command7_Click, "7", key(360, 840), 6),
        button(NUMBREL_CONTROL(Command8), &Form1::Command8_Click, "8", key(960, 840), 7),
        button(NUMBREL_CONTROL(Command9), &Form1::Command9_Click, "9", key(1560, 840), 8),
        button(NUMBREL_CONTROL(Command10), &Form1::Command10_Click, "-", key(2280, 1800), 9),
        button(NUMBREL_CONTROL(Command11), &Form1::Command11_Click, "+", key(2280, 1320), 10),
        button(NUMBREL_CONTROL(Command12), &Form1::Command12_Click, "*", key(2880, 1320), 11),
        button(NUMBREL_CONTROL(Command13), &Form1::Command13_Click, "/", key(2880, 1800), 13),
        button(NUMBREL_CONTROL(Command14), &Form1::Command14_Click, "=", {2280, 2280, 1215, 495},
               14),
        button(NUMBREL_CONTROL(Command15), &Form1::Command15_Click, "CE", key(4200, 120), 15),
        button(NUMBREL_CONTROL(Command16), &Form1::Command16_Click, "0", key(360, 2280), 20),
        button(NUMBREL_CONTROL(Command17), &Form1::Command17_Click, "-/+", key(960, 2280), 23),
        button(NUMBREL_CONTROL(Command18), &Form1::Command18_Click, ".", key(1560, 2280), 24),
        button(NUMBREL_CONTROL(Command19), &Form1::Command19_Click, "Del", key(3600, 1320), 25),
        button(NUMBREL_CONTROL(Command20), &Form1::Command20_Click, "Round (2)", key(4200, 2280),
               40),
        button(NUMBREL_CONTROL(Command21), &Form1::Command21_Click, "ABS", key(3600, 1800), 26),
        button(NUMBREL_CONTROL(Command22), &Form1::Command22_Click, "Int", key(3600, 2280), 27),
        button(NUMBREL_CONTROL(Command23), &Form1::Command23_Click, "Round Int", key(4200, 1320),
               28),
        button(NUMBREL_CONTROL(Command24), &Form1::Command24_Click, "Round (1)", key(4200, 1800),
               29),
        button(NUMBREL_CONTROL(Command25), &Form1::Command25_Click, "^2", key(4800, 1320), 30),
        button(NUMBREL_CONTROL(Command26), &Form1::Command26_Click, "^x", key(4800, 1800), 31),
        button(NUMBREL_CONTROL(Command27), &Form1::Command27_Click, "Sqr 2", key(4800, 2280), 33),
        button(NUMBREL_CONTROL(Command28), &Form1::Command28_Click, "Sin", key(5400, 1320), 35),
        button(NUMBREL_CONTROL(Command29), &Form1::Command29_Click, "Cos", key(5400, 1800), 36),
        button(NUMBREL_CONTROL(Command30), &Form1::Command30_Click, "Tan", key(5400, 2280), 37),
        button(NUMBREL_CONTROL(Command31), &Form1::Command31_Click, "C", key(3600, 120), 41),
        button(NUMBREL_CONTROL(Command32), &Form1::Command32_Click, "ON", key(4800, 120), 42,
               Appearance::Always),
        button(NUMBREL_CONTROL(Command33), &Form1::Command33_Click, "Off", key(5400, 120), 43),
        {NUMBREL_CONTROL(Text1), nullptr, "", {360, 240, 1815, 375}, 12, Appearance::WhileOn},
        hiddenField(NUMBREL_CONTROL(Text2), 0, 16),
        hiddenField(NUMBREL_CONTROL(Text3), 240, 17),
        hiddenField(NUMBREL_CONTROL(Text4), 480, 18),
        hiddenField(NUMBREL_CONTROL(Text5), 720, 19),
        hiddenField(NUMBREL_CONTROL(Text6), 960, 21),
        hiddenField(NUMBREL_CONTROL(Text7), 1440, 32),
        hiddenField(NUMBREL_CONTROL(Text8), 1680, 34),
        hiddenField(NUMBREL_CONTROL(Text9), 2040, 38),
        hiddenField(NUMBREL_CONTROL(Text10), 2520, 39),
        {NUMBREL_CONTROL(Label1), nullptr, "0", {0, 3000, 375, 375}, 22, Appearance::Never},
    }};
}();

#undef NUMBREL_CONTROL

// Calls visit(row, record) for every control, in the order of the table.
template <class Form, class Visitor>
void visitControls(Form& form, Visitor&& visit) {
    for (const ControlRow& row : controlTable) {
        std::visit([&](auto member) { visit(row, form.*member); }, row.record);
    }
}

// The position of a control in the table, and so in every walk over it.
constexpr std::size_t controlIndex(ControlRecord record) {
    return static_cast<std::size_t>(std::ranges::find(controlTable, record, &ControlRow::record) -
                                    controlTable.begin());
}

// The buttons with their click handlers, in table order: buttonBindings[n - 1] belongs to
// CommandN. Views and scripts reach a handler by the button's identity; tests may look a button
// up by its caption, as a user finds it (tests/support/keys.h, tests/view/view_helpers.h).
struct ButtonBinding {
    CommandButton Form1::*button;
    void (Form1::*click)();
};

inline constexpr auto buttonBindings = [] {
    constexpr auto isButton = [](const ControlRow& row) {
        return std::holds_alternative<CommandButton Form1::*>(row.record);
    };
    constexpr auto count = static_cast<std::size_t>(std::ranges::count_if(controlTable, isButton));
    std::array<ButtonBinding, count> bindings{};
    std::size_t next = 0;
    for (const ControlRow& row : controlTable) {
        if (isButton(row)) {
            bindings[next++] = {std::get<CommandButton Form1::*>(row.record), row.click};
        }
    }
    return bindings;
}();

// The position of a button among the bindings.
constexpr std::size_t buttonIndex(CommandButton Form1::*button) {
    return static_cast<std::size_t>(
        std::ranges::find(buttonBindings, button, &ButtonBinding::button) - buttonBindings.begin());
}

}  // namespace numbrel
