#include "formulas/TQPA.h"

namespace calvorin::formulas::TQPA {

namespace {
Report report(const Typed<>& n, const Typed<>& a1, const Typed<>& r, Real term) {
    return {"Termo qualquer de uma PA", "Termo a ser encontrado = " + n.text,
            "Primeiro termo da PA = " + a1.text, "Razão da PA = " + r.text,
            "Termo encontrado = " + show(term)};
}
} // namespace

Result calculate(Typed<> n, Typed<> a1, Typed<> r) {
    const Real less = Real(n.value) - 1;
    const Real product = less * r.value;
    const Real term = product + a1.value;
    return {term,
            report(n, a1, r, term),
            {"an = a1 + (n - 1) · r",
             "an = " + operand(a1.text) + " + (" + operand(n.text) + " - 1) · " + operand(r.text),
             equals("n - 1", operand(n.text) + " - 1", less),
             equals("(n - 1) · r", operand(less) + " · " + operand(r.text), product),
             equals("an", operand(a1.text) + " + " + operand(product), term)}};
}

} // namespace calvorin::formulas::TQPA
