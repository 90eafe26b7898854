#include "formulas/STPA.h"

namespace calvorin::formulas::STPA {

namespace {
Report report(const Typed<>& a1, const Typed<>& an, const Typed<>& n, Real sum) {
    return {"Soma dos termos de uma PA", "Primeiro termo = " + a1.text, "Último termo = " + an.text,
            "Número de termos = " + n.text, "Resposta = " + show(sum)};
}
} // namespace

Result calculate(Typed<> a1, Typed<> an, Typed<> n) {
    const Real sum = Real(a1.value) + an.value;
    const Real product = sum * n.value;
    const Real half = product * 0.5;
    return {half,
            report(a1, an, n, half),
            {"Sn = (a1 + an) · n / 2",
             "Sn = (" + operand(a1.text) + " + " + operand(an.text) + ") · " + operand(n.text) + " / 2",
             equals("a1 + an", operand(a1.text) + " + " + operand(an.text), sum),
             equals("(a1 + an) · n", operand(sum) + " · " + operand(n.text), product),
             equals("Sn", operand(product) + " / 2", half)}};
}

} // namespace calvorin::formulas::STPA
