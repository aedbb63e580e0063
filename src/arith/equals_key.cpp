// "=": counts the press, then applies every operator register that is set, in a fixed order
// (addition, subtraction, multiplication, division, power) whatever order the keys were pressed
// in. Each step reads the display as the step before left it and writes its result back.
//
// The first "=" since start or "CE" combines register OP display; every later one combines
// display OP repeat digit, so pressing "=" again repeats the last digit's operation. The power
// step has no repeat form: it always raises its register to the display.
//
// A step that meets a fault writes nothing and ends the evaluation; the press stays counted and
// the steps before it keep what they wrote.

#include <cstdint>
#include <utility>

#include "app/form1.h"
#include "numeric/conversions.h"
#include "numeric/operations.h"
#include "state/press_counter.h"
#include "state/registers.h"

namespace numbrel {
namespace {

// The operands of an arithmetic step: register and display on the first "=", display and repeat
// digit on every later one, each read leniently. `run` is false when the counter skips the step.
struct StepOperands {
    bool run = false;
    double left = 0;
    double right = 0;
};

Checked<StepOperands> stepOperands(const Form1& form, const TextBox& operatorRegister) {
    const Checked<EvaluationForm> evaluation = evaluationForm(form.Label1);
    if (!evaluation) return failed<StepOperands>(evaluation.fault);
    if (evaluation.value == EvaluationForm::None) return {};

    const bool first = evaluation.value == EvaluationForm::First;
    const Checked<double> left = numericValue(first ? operatorRegister.Text : form.Text1.Text);
    const Checked<double> right = numericValue(first ? form.Text1.Text : form.Text6.Text);
    if (!left) return failed<StepOperands>(left.fault);
    if (!right) return failed<StepOperands>(right.fault);
    return {{true, left.value, right.value}};
}

using DoubleOperation = Checked<double> (*)(double, double);

// Addition, subtraction and multiplication, in double precision.
Outcome doubleStep(Form1& form, const TextBox& operatorRegister, DoubleOperation operation) {
    const Checked<StepOperands> operands = stepOperands(form, operatorRegister);
    if (!operands) return Outcome::Refused;
    if (!operands.value.run) return Outcome::Done;

    const Checked<double> result = operation(operands.value.left, operands.value.right);
    if (!result) return Outcome::Refused;
    form.Text1.Text = numberText(result.value);
    return Outcome::Done;
}

// Division of 32-bit whole numbers: each operand is rounded half to even first, and the
// quotient is truncated, so 7.5 / 2.5 is 8 / 2 and -7 / 2 is -3.
Outcome divisionStep(Form1& form) {
    const Checked<StepOperands> operands = stepOperands(form, form.Text5);
    if (!operands) return Outcome::Refused;
    if (!operands.value.run) return Outcome::Done;

    const Checked<std::int32_t> dividend = wholeNumber(operands.value.left);
    const Checked<std::int32_t> divisor = wholeNumber(operands.value.right);
    if (!dividend || !divisor) return Outcome::Refused;
    const Checked<std::int32_t> quotient = divideWhole(dividend.value, divisor.value);
    if (!quotient) return Outcome::Refused;
    form.Text1.Text = integerText(quotient.value);
    return Outcome::Done;
}

// The power register raised to the display, on every press alike. A failed power leaves the
// display as the earlier steps left it.
Outcome powerStep(Form1& form) {
    const Checked<double> base = numericValue(form.Text7.Text);
    const Checked<double> exponent = numericValue(form.Text1.Text);
    if (!base || !exponent) return Outcome::Refused;
    const Checked<double> result = power(base.value, exponent.value);
    if (!result) return Outcome::Refused;
    form.Text1.Text = numberText(result.value);
    return Outcome::Done;
}

Outcome evaluate(Form1& form) {
    if (countPress(form.Label1) == Outcome::Refused) return Outcome::Refused;

    const std::pair<const TextBox*, DoubleOperation> doubleSteps[] = {
        {&form.Text2, add}, {&form.Text3, subtract}, {&form.Text4, multiply}};
    for (const auto& [operatorRegister, operation] : doubleSteps) {
        if (isSet(*operatorRegister) &&
            doubleStep(form, *operatorRegister, operation) == Outcome::Refused) {
            return Outcome::Refused;
        }
    }
    if (isSet(form.Text5) && divisionStep(form) == Outcome::Refused) return Outcome::Refused;
    if (isSet(form.Text7)) return powerStep(form);
    return Outcome::Done;
}

}  // namespace

// "=": evaluates every pending operation; see above.
void Form1::Command14_Click() { finish(evaluate(*this)); }

}  // namespace numbrel
