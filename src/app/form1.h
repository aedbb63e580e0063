#pragma once

// Form1 is the calculator's window held as a plain object: 44 control records and one member
// function per event. The records are the calculator's whole state: the display Text1, the
// hidden registers Text2..Text10 and the hidden press counter Label1 hold every value as text,
// and Visible/Enabled say which keys the user can reach. Handlers read and write only these
// properties, so each one runs and is tested without a window.
//
// A view builds one widget per visible record (geometry in twips, Tab order by TabIndex),
// forwards clicks to the CommandN_Click handlers and typed characters to Text1_KeyPress, copies
// what the user types into Text1.Text, and mirrors the records back after every event. The
// definitions of the handlers live with their subsystem: entry/, arith/, functions/, power/.

#include <cstdint>

#include "app/controls.h"
#include "app/outcome.h"

namespace numbrel {

class Form1 {
public:
    Form1();

    // CONTROLS, in the order of the window's control table.
    CommandButton Command1, Command2, Command3, Command4, Command5, Command6, Command7, Command8,
        Command9, Command10, Command11, Command12, Command13, Command14, Command15, Command16,
        Command17, Command18, Command19, Command20, Command21, Command22, Command23, Command24,
        Command25, Command26, Command27, Command28, Command29, Command30, Command31, Command32,
        Command33;
    TextBox Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8, Text9, Text10;
    Label Label1;

    // DIGIT AND POINT ENTRY (entry/digit_keys.cpp)
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    void Command16_Click();
    void Command18_Click();

    // SIGN, DELETE AND KEY FILTER (entry/editing_keys.cpp, entry/key_filter.cpp)
    void Command17_Click();
    void Command19_Click();
    void Text1_KeyPress(std::int16_t& code);

    // CLEARING (entry/clearing_keys.cpp)
    void Command15_Click();
    void Command31_Click();

    // OPERATORS AND EQUALS (arith/operator_keys.cpp, arith/equals_key.cpp)
    void Command10_Click();
    void Command11_Click();
    void Command12_Click();
    void Command13_Click();
    void Command26_Click();
    void Command14_Click();

    // ONE-OPERAND FUNCTIONS (functions/rounding_keys.cpp, functions/trig_keys.cpp)
    void Command20_Click();
    void Command21_Click();
    void Command22_Click();
    void Command23_Click();
    void Command24_Click();
    void Command25_Click();
    void Command27_Click();
    void Command28_Click();
    void Command29_Click();
    void Command30_Click();

    // POWER SWITCH (power/power_switch.cpp)
    void Command32_Click();
    void Command33_Click();

    // Whether the most recent handler met a fault and refused it, leaving the records as the
    // fault rules allow. A view answers it with the desktop's alert sound.
    bool lastEventFaulted() const noexcept { return m_lastEventFaulted; }

    // Calls visit(name, record) for all 44 controls in the order of the control table.
    template <class Visitor>
    void visitControls(Visitor&& visit) {
        visitEach(*this, visit);
    }
    template <class Visitor>
    void visitControls(Visitor&& visit) const {
        visitEach(*this, visit);
    }

private:
    // Every handler ends here, so lastEventFaulted() always speaks of the latest event.
    void finish(Outcome outcome) noexcept { m_lastEventFaulted = outcome == Outcome::Refused; }

    template <class Self, class Visitor>
    static void visitEach(Self& form, Visitor& visit);

    bool m_lastEventFaulted = false;
};

template <class Self, class Visitor>
void Form1::visitEach(Self& form, Visitor& visit) {
    visit("Command1", form.Command1);
    visit("Command2", form.Command2);
    visit("Command3", form.Command3);
    visit("Command4", form.Command4);
    visit("Command5", form.Command5);
    visit("Command6", form.Command6);
    visit("Command7", form.Command7);
    visit("Command8", form.Command8);
    visit("Command9", form.Command9);
    visit("Command10", form.Command10);
    visit("Command11", form.Command11);
    visit("Command12", form.Command12);
    visit("Command13", form.Command13);
    visit("Command14", form.Command14);
    visit("Command15", form.Command15);
    visit("Command16", form.Command16);
    visit("Command17", form.Command17);
    visit("Command18", form.Command18);
    visit("Command19", form.Command19);
    visit("Command20", form.Command20);
    visit("Command21", form.Command21);
    visit("Command22", form.Command22);
    visit("Command23", form.Command23);
    visit("Command24", form.Command24);
    visit("Command25", form.Command25);
    visit("Command26", form.Command26);
    visit("Command27", form.Command27);
    visit("Command28", form.Command28);
    visit("Command29", form.Command29);
    visit("Command30", form.Command30);
    visit("Command31", form.Command31);
    visit("Command32", form.Command32);
    visit("Command33", form.Command33);
    visit("Text1", form.Text1);
    visit("Text2", form.Text2);
    visit("Text3", form.Text3);
    visit("Text4", form.Text4);
    visit("Text5", form.Text5);
    visit("Text6", form.Text6);
    visit("Text7", form.Text7);
    visit("Text8", form.Text8);
    visit("Text9", form.Text9);
    visit("Text10", form.Text10);
    visit("Label1", form.Label1);
}

}  // namespace numbrel
