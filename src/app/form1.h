#pragma once

// Form1 is the calculator's window held as a plain object: 44 control records and one member
// function per event. The records are the calculator's whole state: the display Text1, the
// hidden registers Text2..Text10 and the hidden press counter Label1 hold every value as text,
// and Visible/Enabled say which keys the user can reach. Handlers read and write only these
// properties, so each one runs and is tested without a window.
//
// A view builds one widget per record that can be shown (app/control_table.h says which),
// forwards clicks to the CommandN_Click handlers and typed characters to Text1_KeyPress, copies
// what the user types into Text1.Text, and mirrors the records back after every event. The
// definitions of the handlers live with their subsystem: entry/, arith/, functions/, power/.

#include <cstdint>

#include "app/controls.h"
#include "app/refusal.h"

namespace numbrel {

class Form1 {
public:
    Form1();

    // CONTROLS. Their start-up properties are in app/control_table.h, which names each one once.
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

    // ONE-OPERAND FUNCTIONS (functions/rounding_keys.cpp, abs_and_int_keys.cpp, square_keys.cpp,
    // trig_keys.cpp)
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

    // Why the most recent event was refused, leaving the records as the fault rules allow; no
    // refusal when it ran to the end. A view shows and speaks the reason, with the desktop's
    // alert sound.
    Refusal lastRefusal() const noexcept { return m_lastRefusal; }

    // Delivers a click to a button's handler, or a typed character to the display's key filter.
    // The refusal is cleared first, so it speaks of this event even if the handler never
    // reports its outcome. Views and scripts deliver events here; tests may call handlers
    // directly.
    void dispatch(void (Form1::*clickHandler)());
    void dispatchKeyPress(std::int16_t& code);

    // The window's title, which is also the program's name, and its client area, which holds
    // every control.
    static constexpr const char* Caption = "Numbrel";
    static constexpr Twips clientArea{0, 0, 6675, 3510};

private:
    // Every handler ends here with what stopped its operation, if anything did.
    void finish(Refusal refusal) noexcept { m_lastRefusal = refusal; }

    Refusal m_lastRefusal;
};

}  // namespace numbrel
