// "ABS" and "Int": each replaces the display by a part of its number, written as number text
// ("ABS" on '4.50' shows '4.5'). Pending operations stay pending. They read the display
// strictly, so an empty display or '1.2.3' is outside their domain and is refused.

#include <cmath>

#include "app/form1.h"
#include "functions/function_key.h"
#include "numeric/number_reading.h"

namespace numbrel {
namespace {

double absoluteValue(double value) { return std::fabs(value); }

double floorOf(double value) { return std::floor(value); }

}  // namespace

// "ABS": the absolute value.
void Form1::Command21_Click() { finish({applyToDisplay(Text1, strictValue, absoluteValue)}); }

// "Int": the largest whole number not above the value, so -2.5 gives -3 (not a truncation).
void Form1::Command22_Click() { finish({applyToDisplay(Text1, strictValue, floorOf)}); }

}  // namespace numbrel
