#include "formulas/JurosCompostos.h"

namespace calvorin::formulas::JurosCompostos {

namespace {
// A negative number in brackets, where it follows an operator or carries an exponent.
std::string bracketed(const std::string& text) {
    return text.starts_with('-') ? "(" + text + ")" : text;
}
} // namespace

Result calculate(const Typed<>& t, const Typed<>& i, const Typed<>& P) {
    const Real rate = Real(0.01L) * i.value + 1; // the extended 0.01, not the double nearest it
    const Real growth = power(rate.value(), t.value);
    const Real amount = growth * Real(P.value);
    return {amount,
            {"M = P · (1 + i/100)^t",
             "M = " + bracketed(P.text) + " · (1 + " + bracketed(i.text) + "/100)^" + bracketed(t.text),
             "1 + " + bracketed(show(i.value)) + "/100 = " + show(rate),
             bracketed(show(rate)) + "^" + bracketed(show(t.value)) + " = " + show(growth),
             bracketed(show(P.value)) + " · " + bracketed(show(growth)) + " = " + show(amount),
             "M = " + show(amount)}};
}

} // namespace calvorin::formulas::JurosCompostos
