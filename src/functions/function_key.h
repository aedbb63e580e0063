#pragma once

// The shape every one-operand function key shares: read the display, apply the function, write
// the result back as number text. A reading or a function that fails leaves the display alone.

#include <string_view>

#include "app/controls.h"
#include "app/outcome.h"
#include "numeric/checked.h"

namespace numbrel {

using DisplayReading = Checked<double> (*)(std::string_view);
using DisplayFunction = Checked<double> (*)(double);

Outcome applyToDisplay(TextBox& display, DisplayReading read, DisplayFunction apply);

}  // namespace numbrel
