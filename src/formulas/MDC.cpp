#include "formulas/MDC.h"

#include <algorithm>
#include <cstdint>

namespace calvorin::formulas::MDC {

namespace {
// A step's integer is read back from the number's display text, so a fraction or a number beyond
// 32 bits fails there with that text.
int wholeNumber(double value) {
    return strToInt(formatGeneral(value));
}
} // namespace

Result calculate(double a, double b) {
    double dividend = std::max(a, b), divisor = std::min(a, b), remainder;
    do {
        const int D = wholeNumber(dividend), d = wholeNumber(divisor);
        if (d == 0) throw IntDivideByZero();
        // In 64 bits: -2147483648 / -1 leaves the 32-bit range.
        const std::int64_t q = std::int64_t{D} / d;
        remainder = (Real(dividend) - Real(Extended(q)) * divisor).toDouble();
        dividend = divisor;
        divisor = remainder;
    } while (remainder != 0);
    return {dividend};
}

} // namespace calvorin::formulas::MDC
