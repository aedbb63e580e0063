// The operator keys compute nothing: each parks the display's text in its own register, as it
// is, and empties the display for the next operand. "=" applies every register that is set.

#include "app/form1.h"

namespace numbrel {
namespace {

// An empty display empties the register, which cancels that operator's pending step.
Refusal parkOperand(TextBox& display, TextBox& operatorRegister) {
    operatorRegister.Text = display.Text;
    display.Text.clear();
    return {};
}

}  // namespace

// "-": the display becomes the minuend.
void Form1::Command10_Click() { finish(parkOperand(Text1, Text3)); }

// "+": the display becomes the left addend.
void Form1::Command11_Click() { finish(parkOperand(Text1, Text2)); }

// "*": the display becomes the left factor.
void Form1::Command12_Click() { finish(parkOperand(Text1, Text4)); }

// "/": the display becomes the dividend.
void Form1::Command13_Click() { finish(parkOperand(Text1, Text5)); }

// "^x": the display becomes the base of the power.
void Form1::Command26_Click() { finish(parkOperand(Text1, Text7)); }

}  // namespace numbrel
