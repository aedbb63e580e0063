#pragma once

// The press counter: the number of "=" presses since start or the last "CE", kept as text in the
// caption of the hidden label. It chooses between the first and the repeated evaluation.

#include "app/controls.h"
#include "app/refusal.h"
#include "numeric/checked.h"

namespace numbrel {

// Raises the counter by one. Refused as Reason::NumberTooLarge, leaving the caption as it was,
// if it holds a number beyond the double range.
Reason countPress(Label& counter);

enum class EvaluationForm {
    First,   // the counter reads 0 or 1: register OP display
    Repeat,  // the counter reads more than 1: display OP repeat register
    None,    // any other count: the step does not run
};

// The form the counter asks for, read strictly; a counter that is not a number is
// Fault::Invalid.
Checked<EvaluationForm> evaluationForm(const Label& counter);

// Puts the counter back to "0".
void resetCounter(Label& counter);

}  // namespace numbrel
