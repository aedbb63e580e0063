#include "state/press_counter.h"

#include "numeric/number_reading.h"
#include "numeric/number_text.h"

namespace numbrel {

Reason countPress(Label& counter) {
    const Checked<double> count = numericValue(counter.Caption);
    if (!count) return unreadable(count.fault);
    counter.Caption = numberText(count.value + 1);
    return Reason::None;
}

Checked<EvaluationForm> evaluationForm(const Label& counter) {
    const Checked<double> count = strictValue(counter.Caption);
    if (!count) return failed<EvaluationForm>(count.fault);
    if (count.value > 1) return {EvaluationForm::Repeat};
    if (count.value == 0 || count.value == 1) return {EvaluationForm::First};
    return {EvaluationForm::None};
}

void resetCounter(Label& counter) { counter.Caption = integerText(0); }

}  // namespace numbrel
