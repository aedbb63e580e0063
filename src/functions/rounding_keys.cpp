// The rounding keys, "ABS", "Int", "^2" and "Sqr 2": each replaces the display by a function of
// it, written as number text ("ABS" on '4.50' shows '4.5'). Pending operations stay pending.
//
// Six of them read the display strictly, so an empty display or '1.2.3' is outside their
// domain and is refused. "^2" alone reads leniently: '' squares to '0' and '1.2.3' to '1.44'.

#include <cmath>

#include "app/form1.h"
#include "functions/function_key.h"
#include "numeric/conversions.h"
#include "numeric/operations.h"
#include "numeric/rounding.h"

namespace numbrel {
namespace {

template <int places>
double roundTo(double value) {
    return roundDecimal(value, places);
}

double absoluteValue(double value) { return std::fabs(value); }

double floorOf(double value) { return std::floor(value); }

// The square goes through the general power, so a negative base is fine (the exponent is whole)
// and a square beyond the double range is refused.
Checked<double> square(double value) { return power(value, 2.0); }

}  // namespace

// "Round (2)": rounds half to even to two decimals ('3.14159' shows '3.14'), the half judged on
// the number as written ('2.675' shows '2.68').
void Form1::Command20_Click() { finish({applyToDisplay(Text1, strictValue, roundTo<2>)}); }

// "ABS": the absolute value.
void Form1::Command21_Click() { finish({applyToDisplay(Text1, strictValue, absoluteValue)}); }

// "Int": the largest whole number not above the value, so -2.5 gives -3 (not a truncation).
void Form1::Command22_Click() { finish({applyToDisplay(Text1, strictValue, floorOf)}); }

// "Round Int": rounds half to even to a whole number (2.5 gives 2, 3.5 gives 4, -2.5 gives -2).
void Form1::Command23_Click() { finish({applyToDisplay(Text1, strictValue, roundTo<0>)}); }

// "Round (1)": rounds half to even to one decimal ('0.25' shows '0.2').
void Form1::Command24_Click() { finish({applyToDisplay(Text1, strictValue, roundTo<1>)}); }

// "^2": the square, of the lenient reading.
void Form1::Command25_Click() {
    finish({applyToDisplay(Text1, numericValue, square, Reason::FractionalPowerOfNegative)});
}

// "Sqr 2": the square root; a negative number is refused.
void Form1::Command27_Click() {
    finish({applyToDisplay(Text1, strictValue, squareRoot, Reason::SquareRootOfNegative)});
}

}  // namespace numbrel
