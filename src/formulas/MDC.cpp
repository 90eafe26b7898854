#include "formulas/MDC.h"

#include <algorithm>
#include <cstdint>

namespace calvorin::formulas::MDC {

namespace {
// kept as the program has always written it: a step's integer is read back from the number's display text, so
// a fraction or a number beyond 32 bits fails there with that text
int wholeNumber(double value) {
    return strToInt(formatGeneral(value));
}

Report report(const Typed<>& a, const Typed<>& b, double divisor) {
    return {"Cálculo de Máximo Divisor Comum (MDC)", "Calculando o MDC de: " + a.text + " e " + b.text,
            "Resposta obtida: " + show(divisor)};
}

} // namespace

Result calculate(const Typed<>& a, const Typed<>& b) {
    double dividend = std::max(a.value, b.value), divisor = std::min(a.value, b.value), remainder;
    const std::string pair = "MDC(" + a.text + ", " + b.text + ")";
    Steps steps = {"D = q · d + r  ⇒  MDC(D, d) = MDC(d, r); o MDC é o divisor da última divisão, a de resto 0",
                   pair + ": D = " + show(dividend) + ", d = " + show(divisor)};
    do {
        const int D = wholeNumber(dividend), d = wholeNumber(divisor);
        if (d == 0) throw IntDivideByZero();
        // In 64 bits: -2147483648 / -1 leaves the 32-bit range.
        const std::int64_t q = std::int64_t{D} / d;
        remainder = (Real(dividend) - Real(Extended(q)) * divisor).toDouble();
        steps.push_back(show(dividend) + " = " + show(Extended(q)) + " · " + operand(show(divisor)) + " + " +
                        operand(show(remainder)));
        dividend = divisor;
        divisor = remainder;
    } while (remainder != 0);
    // kept as the program has always written it: the sign the remainders carry, though the divisor of
    // mathematics is never negative
    steps.push_back((dividend > 0 ? pair + " = " : std::string("Resposta obtida: ")) + show(dividend));
    return {dividend, report(a, b, dividend), std::move(steps)};
}

} // namespace calvorin::formulas::MDC
