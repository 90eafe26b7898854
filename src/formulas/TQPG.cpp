#include "formulas/TQPG.h"

namespace calvorin::formulas::TQPG {

namespace {
Report report(const Typed<>& a1, const Typed<>& n, const Typed<>& q, Real term) {
    return {"Termo qualquer de uma PG", "Termo a ser encontrado = " + n.text,
            "Primeiro termo da PG = " + a1.text, "Razão da PG = " + q.text,
            "Termo encontrado = " + show(term)};
}
} // namespace

Result calculate(Typed<> a1, Typed<> n, Typed<> q) {
    const Real exponent = Real(n.value) - 1;
    const Real powered = power(q.value, exponent.value());
    const Real term = powered * a1.value;
    return {term,
            report(a1, n, q, term),
            {"an = a1 · q^(n - 1)",
             "an = " + operand(a1.text) + " · " + operand(q.text) + "^(" + operand(n.text) + " - 1)",
             equals("n - 1", operand(n.text) + " - 1", exponent),
             equals("q^(n - 1)", operand(q.text) + "^" + operand(exponent), powered),
             equals("an", operand(a1.text) + " · " + operand(powered), term)}};
}

} // namespace calvorin::formulas::TQPG
