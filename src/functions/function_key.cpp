#include "functions/function_key.h"

#include "numeric/conversions.h"

namespace numbrel {

Outcome applyToDisplay(TextBox& display, DisplayReading read, DisplayFunction apply) {
    const Checked<double> value = read(display.Text);
    if (!value) return Outcome::Refused;
    const Checked<double> result = apply(value.value);
    if (!result) return Outcome::Refused;
    display.Text = numberText(result.value);
    return Outcome::Done;
}

}  // namespace numbrel
