// The rounding keys "Round (2)", "Round (1)" and "Round Int": each replaces the display by its
// number rounded half to even, the half judged on the number as written, and written as number
// text. Pending operations stay pending. They read the display strictly, so an empty display or
// '1.2.3' is outside their domain and is refused.

#include "app/form1.h"
#include "functions/function_key.h"
#include "numeric/number_reading.h"
#include "numeric/rounding.h"

namespace numbrel {
namespace {

template <int places>
double roundTo(double value) {
    return roundDecimal(value, places);
}

}  // namespace

// "Round (2)": two decimals ('3.14159' shows '3.14', '2.675' shows '2.68').
void Form1::Command20_Click() { finish({applyToDisplay(Text1, strictValue, roundTo<2>)}); }

// "Round Int": a whole number (2.5 gives 2, 3.5 gives 4, -2.5 gives -2).
void Form1::Command23_Click() { finish({applyToDisplay(Text1, strictValue, roundTo<0>)}); }

// "Round (1)": one decimal ('0.25' shows '0.2').
void Form1::Command24_Click() { finish({applyToDisplay(Text1, strictValue, roundTo<1>)}); }

}  // namespace numbrel
