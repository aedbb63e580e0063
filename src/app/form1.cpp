#include "app/form1.h"

#include "app/control_table.h"

namespace numbrel {

// The start-up state, as the control table gives it: only "ON" shows, so the window opens
// switched off; every text starts empty and the press counter at "0".
Form1::Form1() {
    visitControls(*this, [](const ControlRow& row, auto& record) {
        if constexpr (requires { record.Text; }) {
            record.Text = row.start;
        } else {
            record.Caption = row.start;
        }
        record.geometry = row.geometry;
        record.TabIndex = row.tabIndex;
        record.Visible = row.appearance == Appearance::Always;
    });
}

void Form1::dispatch(void (Form1::*clickHandler)()) {
    m_lastRefusal = {};
    (this->*clickHandler)();
}

void Form1::dispatchKeyPress(std::int16_t& code) {
    m_lastRefusal = {};
    Text1_KeyPress(code);
}

}  // namespace numbrel
