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
#include <optional>

#include "app/form1.h"
#include "numeric/number_reading.h"
#include "numeric/number_text.h"
#include "numeric/operations.h"
#include "numeric/whole_number.h"
#include "state/press_counter.h"
#include "state/registers.h"

namespace numbrel {
namespace {

// The operands of an arithmetic step: register and display on the first "=", display and repeat
// digit on every later one, each read leniently. `run` is false when the counter skips the step;
// `refusal` says what could not be read: the counter, or an operand.
struct StepOperands {
    Refusal refusal;
    bool run = false;
    double left = 0;
    double right = 0;
};

StepOperands stepOperands(const Form1& form, const TextBox& operatorRegister, Step step) {
    const Checked<EvaluationForm> evaluation = evaluationForm(form.Label1);
    if (!evaluation) return {{unreadable(evaluation.fault), Step::PressCounter}};
    if (evaluation.value == EvaluationForm::None) return {};

    const bool first = evaluation.value == EvaluationForm::First;
    const Checked<double> left = numericValue(first ? operatorRegister.Text : form.Text1.Text);
    const Checked<double> right = numericValue(first ? form.Text1.Text : form.Text6.Text);
    if (!left) return {{unreadable(left.fault), step}};
    if (!right) return {{unreadable(right.fault), step}};
    return {{}, true, left.value, right.value};
}

// Addition, subtraction and multiplication, in double precision.
struct DoubleStep {
    TextBox Form1::*operatorRegister;
    std::optional<double> (*operation)(double, double);
    Step step;
};

constexpr DoubleStep kDoubleSteps[] = {{&Form1::Text2, add, Step::Addition},
                                       {&Form1::Text3, subtract, Step::Subtraction},
                                       {&Form1::Text4, multiply, Step::Multiplication}};

Refusal doubleStep(Form1& form, const DoubleStep& step) {
    const StepOperands operands = stepOperands(form, form.*step.operatorRegister, step.step);
    if (operands.refusal || !operands.run) return operands.refusal;

    const std::optional<double> result = step.operation(operands.left, operands.right);
    if (!result) return {Reason::ResultTooLarge, step.step};
    form.Text1.Text = numberText(*result);
    return {};
}

// Division of 32-bit whole numbers: each operand is rounded half to even first, and the
// quotient is truncated, so 7.5 / 2.5 is 8 / 2 and -7 / 2 is -3.
Refusal divisionStep(Form1& form) {
    const StepOperands operands = stepOperands(form, form.Text5, Step::Division);
    if (operands.refusal || !operands.run) return operands.refusal;

    const std::optional<std::int32_t> dividend = wholeNumber(operands.left);
    const std::optional<std::int32_t> divisor = wholeNumber(operands.right);
    if (!dividend || !divisor) return {Reason::BeyondWholeNumbers, Step::Division};
    const Checked<std::int32_t> quotient = divideWhole(*dividend, *divisor);
    if (!quotient) return {noResult(quotient.fault, Reason::DivisionByZero), Step::Division};
    form.Text1.Text = integerText(quotient.value);
    return {};
}

// The power register raised to the display, on every press alike. A failed power leaves the
// display as the earlier steps left it.
Refusal powerStep(Form1& form) {
    const Checked<double> base = numericValue(form.Text7.Text);
    const Checked<double> exponent = numericValue(form.Text1.Text);
    if (!base) return {unreadable(base.fault), Step::Power};
    if (!exponent) return {unreadable(exponent.fault), Step::Power};
    const Checked<double> result = power(base.value, exponent.value);
    if (!result) return {noResult(result.fault, Reason::FractionalPowerOfNegative), Step::Power};
    form.Text1.Text = numberText(result.value);
    return {};
}

Refusal evaluate(Form1& form) {
    if (const Reason counted = countPress(form.Label1); counted != Reason::None) {
        return {counted, Step::PressCounter};
    }
    for (const DoubleStep& step : kDoubleSteps) {
        if (!isSet(form.*step.operatorRegister)) continue;
        if (const Refusal refusal = doubleStep(form, step)) return refusal;
    }
    if (isSet(form.Text5)) {
        if (const Refusal refusal = divisionStep(form)) return refusal;
    }
    if (isSet(form.Text7)) return powerStep(form);
    return {};
}

}  // namespace

// "=": evaluates every pending operation; see above.
void Form1::Command14_Click() { finish(evaluate(*this)); }

}  // namespace numbrel
