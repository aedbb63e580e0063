// "-/+" and "Del": rewrite the display in place; no register is touched.

#include "app/form1.h"
#include "numeric/number_reading.h"
#include "numeric/number_text.h"
#include "numeric/utf8_characters.h"

namespace numbrel {
namespace {

// The lenient reading makes any text negatable: '' and 'abc' read as 0 and give '0', '1.2.3'
// gives '-1.2'. Only a number beyond the double range is refused.
Refusal negate(TextBox& display) {
    const Checked<double> value = numericValue(display.Text);
    if (!value) return {unreadable(value.fault)};
    display.Text = numberText(-value.value);
    return {};
}

// Removes the last character, whatever it is: a digit, the point, a sign or an exponent's
// digit. A character is a whole UTF-8 sequence, so a pasted 'é' goes at once. An empty display
// has nothing to remove.
Refusal deleteLastCharacter(TextBox& display) {
    if (display.Text.empty()) return {Reason::NothingToDelete};
    display.Text = leftPart(display.Text, characterCount(display.Text) - 1);
    return {};
}

}  // namespace

// "-/+": writes minus the display's value as number text ('007' becomes '-7').
void Form1::Command17_Click() { finish(negate(Text1)); }

// "Del": removes the display's last character.
void Form1::Command19_Click() { finish(deleteLastCharacter(Text1)); }

}  // namespace numbrel
