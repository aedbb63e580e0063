// "ON" and "Off": show or hide the display and the keypad. They touch nothing but Visible and
// Enabled, so a number being entered, a pending operation and the press counter all survive.

#include <array>

#include "app/form1.h"

namespace numbrel {
namespace {

// The records the switch shows and hides, in the order it writes them: the display, then the
// buttons in ascending number, "Off" last.
std::array<bool*, 33> switchedControls(Form1& form) {
    return {&form.Text1.Visible,     &form.Command1.Visible,  &form.Command2.Visible,
            &form.Command3.Visible,  &form.Command4.Visible,  &form.Command5.Visible,
            &form.Command6.Visible,  &form.Command7.Visible,  &form.Command8.Visible,
            &form.Command9.Visible,  &form.Command10.Visible, &form.Command11.Visible,
            &form.Command12.Visible, &form.Command13.Visible, &form.Command14.Visible,
            &form.Command15.Visible, &form.Command16.Visible, &form.Command17.Visible,
            &form.Command18.Visible, &form.Command19.Visible, &form.Command20.Visible,
            &form.Command21.Visible, &form.Command22.Visible, &form.Command23.Visible,
            &form.Command24.Visible, &form.Command25.Visible, &form.Command26.Visible,
            &form.Command27.Visible, &form.Command28.Visible, &form.Command29.Visible,
            &form.Command30.Visible, &form.Command31.Visible, &form.Command33.Visible};
}

void switchPower(Form1& form, bool on) {
    form.Command32.Enabled = !on;  // "ON" stays in place, greyed while the pad is on
    for (bool* visible : switchedControls(form)) *visible = on;
}

}  // namespace

// "ON": greys itself and shows the display and the other 32 keys.
void Form1::Command32_Click() {
    switchPower(*this, true);
    finish(Outcome::Done);
}

// "Off": enables "ON" again and hides the display and the other keys, itself last.
void Form1::Command33_Click() {
    switchPower(*this, false);
    finish(Outcome::Done);
}

}  // namespace numbrel
