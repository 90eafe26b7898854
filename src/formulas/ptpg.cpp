#include "formulas/ptpg.h"

namespace calvorin::formulas::ptpg {

namespace {
Report report(const Typed<>& a1, const Typed<>& an, const Typed<>& n, Real product) {
    // kept as the program has always written it: ": " where the other progressions write " = "
    return {"Produto dos termos de uma PG", "Primeiro termo da PG: " + a1.text,
            "Último termo da PG: " + an.text, "Número de termos da PG: " + n.text,
            "Resposta: " + show(product)};
}
} // namespace

Result calculate(Typed<> a1, Typed<> an, Typed<> n) {
    const Real product = Real(a1.value) * an.value;
    const Real powered = power(product.value(), n.value);
    // kept as the program has always written it: the root that is not negative, so a negative product shows
    // its magnitude
    const Real root = fpu::sqrt(powered.value());
    return {root,
            report(a1, an, n, root),
            {"|Pn| = √((a1 · an)^n)",
             "|Pn| = √((" + operand(a1.text) + " · " + operand(an.text) + ")^" + operand(n.text) + ")",
             equals("a1 · an", operand(a1.text) + " · " + operand(an.text), product),
             equals("(a1 · an)^n", operand(product) + "^" + operand(n.text), powered),
             equals("|Pn|", "√" + operand(powered), root)}};
}

} // namespace calvorin::formulas::ptpg
