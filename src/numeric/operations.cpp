#include "numeric/operations.h"

#include <cmath>
#include <limits>

namespace numbrel {
namespace {

std::optional<double> finite(double result) {
    if (!std::isfinite(result)) return std::nullopt;
    return result;
}

}  // namespace

std::optional<double> add(double left, double right) { return finite(left + right); }

std::optional<double> subtract(double left, double right) { return finite(left - right); }

std::optional<double> multiply(double left, double right) { return finite(left * right); }

Checked<std::int32_t> divideWhole(std::int32_t dividend, std::int32_t divisor) {
    if (divisor == 0) return failed<std::int32_t>(Fault::Invalid);
    if (dividend == std::numeric_limits<std::int32_t>::min() && divisor == -1) {
        return failed<std::int32_t>(Fault::Overflow);
    }
    return {dividend / divisor};
}

Checked<double> power(double base, double exponent) {
    if (base < 0 && std::trunc(exponent) != exponent) return failed<double>(Fault::Invalid);
    const std::optional<double> result = finite(std::pow(base, exponent));
    if (!result) return failed<double>(Fault::Overflow);
    return {*result};
}

Checked<double> squareRoot(double value) {
    if (value < 0) return failed<double>(Fault::Invalid);
    return {std::sqrt(value)};
}

}  // namespace numbrel
