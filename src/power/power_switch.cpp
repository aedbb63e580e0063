// "ON" and "Off": show or hide the display and the keypad. They touch nothing but Visible and
// Enabled, so a number being entered, a pending operation and the press counter all survive.

#include "app/control_table.h"

namespace numbrel {
namespace {

// Shows or hides every control the table lets the switch show.
void switchPower(Form1& form, bool on) {
    form.Command32.Enabled = !on;  // "ON" stays in place, greyed while the pad is on
    visitControls(form, [on](const ControlRow& row, auto& record) {
        if (row.appearance == Appearance::WhileOn) record.Visible = on;
    });
}

}  // namespace

// "ON": greys itself and shows the display and the other 32 keys.
void Form1::Command32_Click() {
    switchPower(*this, true);
    finish({});
}

// "Off": enables "ON" again and hides the display and the other keys, itself among them.
void Form1::Command33_Click() {
    switchPower(*this, false);
    finish({});
}

}  // namespace numbrel
