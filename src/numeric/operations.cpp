#include "numeric/operations.h"

#include <cmath>
#include <limits>

namespace numbrel {
namespace {

Checked<double> finiteOrFault(double result) {
    if (std::isnan(result)) return failed<double>(Fault::Invalid);
    if (std::isinf(result)) return failed<double>(Fault::Overflow);
    return {result};
}

}  // namespace

Checked<double> add(double left, double right) { return finiteOrFault(left + right); }

Checked<double> subtract(double left, double right) { return finiteOrFault(left - right); }

Checked<double> multiply(double left, double right) { return finiteOrFault(left * right); }

Checked<std::int32_t> divideWhole(std::int32_t dividend, std::int32_t divisor) {
    if (divisor == 0) return failed<std::int32_t>(Fault::Invalid);
    if (dividend == std::numeric_limits<std::int32_t>::min() && divisor == -1) {
        return failed<std::int32_t>(Fault::Overflow);
    }
    return {dividend / divisor};
}

Checked<double> power(double base, double exponent) {
    if (base < 0 && std::trunc(exponent) != exponent) return failed<double>(Fault::Invalid);
    return finiteOrFault(std::pow(base, exponent));
}

Checked<double> squareRoot(double value) {
    if (value < 0) return failed<double>(Fault::Invalid);
    return {std::sqrt(value)};
}

}  // namespace numbrel
