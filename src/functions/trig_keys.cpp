// "Sin", "Cos" and "Tan" of the display taken as an angle in degrees, rounded to 9 decimals.
//
// The steps are deliberate and their order shows in the results: pi is 3.141592654 (so the sine
// of 360 shows 1E-09, not 0), the product is formed before the division by 180, and the radians
// pass through the angle register as number text, so the function receives them rounded to 15
// significant digits. There is no special case for any angle: the tangent of 90 is a large
// finite negative number.

#include <cmath>
#include <optional>

#include "app/form1.h"
#include "numeric/number_reading.h"
#include "numeric/number_text.h"
#include "numeric/operations.h"
#include "numeric/rounding.h"

namespace numbrel {
namespace {

constexpr double kPi = 3.141592654;
constexpr double kDegreesInHalfTurn = 180;
constexpr int kResultPlaces = 9;

// sin, cos and tan of a finite double are finite, so the result always has a number text.
using RadianFunction = double (*)(double);

// An angle whose product with pi lies beyond the double range is a number too large for the key.
Reason trigonometricKey(TextBox& display, TextBox& angleRegister, RadianFunction function) {
    const Checked<double> degrees = numericValue(display.Text);
    if (!degrees) return unreadable(degrees.fault);
    const std::optional<double> product = multiply(degrees.value, kPi);
    if (!product) return Reason::NumberTooLarge;

    angleRegister.Text = numberText(*product / kDegreesInHalfTurn);
    const Checked<double> radians = strictValue(angleRegister.Text);
    if (!radians) return unreadable(radians.fault);

    display.Text = numberText(roundDecimal(function(radians.value), kResultPlaces));
    return Reason::None;
}

double sine(double radians) { return std::sin(radians); }
double cosine(double radians) { return std::cos(radians); }
double tangent(double radians) { return std::tan(radians); }

}  // namespace

// "Sin": the sine of the display in degrees; the angle register keeps the radians as text.
void Form1::Command28_Click() { finish({trigonometricKey(Text1, Text9, sine)}); }

// "Cos": the cosine of the display in degrees.
void Form1::Command29_Click() { finish({trigonometricKey(Text1, Text9, cosine)}); }

// "Tan": the tangent of the display in degrees.
void Form1::Command30_Click() { finish({trigonometricKey(Text1, Text9, tangent)}); }

}  // namespace numbrel
