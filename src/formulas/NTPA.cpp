#include "formulas/NTPA.h"

namespace calvorin::formulas::NTPA {

namespace {
Report report(const Typed<>& a1, const Typed<>& an, const Typed<>& r, Real count) {
    return {"Calculando o número de termos de uma PA", "Primeiro termo = " + a1.text,
            "Último termo = " + an.text, "Razão da PA = " + r.text, "Número de termos = " + show(count)};
}
} // namespace

Result calculate(Typed<> a1, Typed<> an, Typed<> r) {
    const Real first = a1.value, last = an.value, ratio = r.value;
    const Real difference = first - last;
    const Real numerator = difference - ratio;
    // kept as the program has always written it: the count is not rounded: a last term the progression never
    // reaches gives a fraction
    const Real count = numerator / -ratio;
    return {count,
            report(a1, an, r, count),
            {"n = (an - a1) / r + 1 = (a1 - an - r) / (-r)",
             "n = (" + operand(a1.text) + " - " + operand(an.text) + " - " + operand(r.text) + ") / (-" +
                 operand(r.text) + ")",
             equals("a1 - an", operand(a1.text) + " - " + operand(an.text), difference),
             equals("a1 - an - r", operand(difference) + " - " + operand(r.text), numerator),
             equals("n", operand(numerator) + " / " + operand(-ratio), count)}};
}

} // namespace calvorin::formulas::NTPA
