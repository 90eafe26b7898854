#include "formulas/stpg.h"

namespace calvorin::formulas::stpg {

namespace {
Report report(const Typed<>& a1, const Typed<>& n, const Typed<>& q, Real sum) {
    return {"Soma dos termos de uma PG", "Primeiro termo = " + a1.text, "Número de termos = " + n.text,
            "Razão = " + q.text, "Resposta = " + show(sum)};
}
} // namespace

Result calculate(Typed<> a1, Typed<> n, Typed<> q) {
    const Real powered = power(q.value, n.value);
    const Real less = powered - 1;
    const Real numerator = less * a1.value;
    const Real denominator = Real(q.value) - 1;
    const Real sum = numerator / denominator;
    const std::string base = operand(q.text);
    return {sum,
            report(a1, n, q, sum),
        {"Sn = a1 · (q^n - 1) / (q - 1)",
         "Sn = " + operand(a1.text) + " · (" + base + "^" + operand(n.text) + " - 1) / (" + base + " - 1)",
         equals("q^n", base + "^" + operand(n.text), powered),
         equals("q^n - 1", operand(powered) + " - 1", less),
         equals("a1 · (q^n - 1)", operand(a1.text) + " · " + operand(less), numerator),
         equals("q - 1", base + " - 1", denominator),
         equals("Sn", operand(numerator) + " / " + operand(denominator), sum)}};
}

} // namespace calvorin::formulas::stpg
