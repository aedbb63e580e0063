// "^2" and "Sqr 2": the square and the square root of the display, written as number text.
// Pending operations stay pending. "Sqr 2" reads the display strictly, so an empty display or
// '1.2.3' is outside its domain and is refused; "^2" reads leniently: '' squares to '0' and
// '1.2.3' to '1.44'.

#include "app/form1.h"
#include "functions/function_key.h"
#include "numeric/number_reading.h"
#include "numeric/operations.h"

namespace numbrel {
namespace {

// The square goes through the general power, so a negative base is fine (the exponent is whole)
// and a square beyond the double range is refused.
Checked<double> square(double value) { return power(value, 2.0); }

}  // namespace

// "^2": the square, of the lenient reading.
void Form1::Command25_Click() {
    finish({applyToDisplay(Text1, numericValue, square, Reason::FractionalPowerOfNegative)});
}

// "Sqr 2": the square root; a negative number is refused.
void Form1::Command27_Click() {
    finish({applyToDisplay(Text1, strictValue, squareRoot, Reason::SquareRootOfNegative)});
}

}  // namespace numbrel
