// The digit keys and ".": plain text building. Each press appends its character to whatever
// the display holds; nothing is checked, so texts such as '007' or '1.2.3' are possible and the
// keys that read the display decide what such a text is worth.

#include <string_view>

#include "app/form1.h"

namespace numbrel {
namespace {

// A digit key also records itself in the repeat register, the operand of a repeated "=".
Refusal enterDigit(TextBox& display, TextBox& repeatRegister, std::string_view digit) {
    display.Text += digit;
    repeatRegister.Text = digit;
    return {};
}

}  // namespace

// "1" to "9" and "0": append the digit and record it as the repeat digit.
void Form1::Command1_Click() { finish(enterDigit(Text1, Text6, "1")); }
void Form1::Command2_Click() { finish(enterDigit(Text1, Text6, "2")); }
void Form1::Command3_Click() { finish(enterDigit(Text1, Text6, "3")); }
void Form1::Command4_Click() { finish(enterDigit(Text1, Text6, "4")); }
void Form1::Command5_Click() { finish(enterDigit(Text1, Text6, "5")); }
void Form1::Command6_Click() { finish(enterDigit(Text1, Text6, "6")); }
void Form1::Command7_Click() { finish(enterDigit(Text1, Text6, "7")); }
void Form1::Command8_Click() { finish(enterDigit(Text1, Text6, "8")); }
void Form1::Command9_Click() { finish(enterDigit(Text1, Text6, "9")); }
void Form1::Command16_Click() { finish(enterDigit(Text1, Text6, "0")); }

// ".": appends a point, even a second one; the repeat register is left alone.
void Form1::Command18_Click() {
    Text1.Text += '.';
    finish({});
}

}  // namespace numbrel
