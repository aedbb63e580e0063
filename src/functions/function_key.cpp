#include "functions/function_key.h"

#include "numeric/number_text.h"

namespace numbrel {

Reason applyToDisplay(TextBox& display, DisplayReading read, double (*apply)(double)) {
    const Checked<double> value = read(display.Text);
    if (!value) return unreadable(value.fault);
    display.Text = numberText(apply(value.value));
    return Reason::None;
}

Reason applyToDisplay(TextBox& display, DisplayReading read, Checked<double> (*apply)(double),
                      Reason undefined) {
    const Checked<double> value = read(display.Text);
    if (!value) return unreadable(value.fault);
    const Checked<double> result = apply(value.value);
    if (!result) return noResult(result.fault, undefined);
    display.Text = numberText(result.value);
    return Reason::None;
}

}  // namespace numbrel
