#pragma once

// The shape every one-operand function key shares: read the display, apply the function, write
// the result back as number text. A reading or a function that fails leaves the display alone
// and gives the reason: the reading's, or the function's result too large or undefined.

#include <string_view>

#include "app/controls.h"
#include "app/refusal.h"
#include "numeric/checked.h"

namespace numbrel {

using DisplayReading = Checked<double> (*)(std::string_view);

// A function with a finite result for every number.
Reason applyToDisplay(TextBox& display, DisplayReading read, double (*apply)(double));

// A function that can fail; `undefined` is the reason for its Fault::Invalid.
Reason applyToDisplay(TextBox& display, DisplayReading read, Checked<double> (*apply)(double),
                      Reason undefined);

}  // namespace numbrel
