#include "formulas/ptpg.h"

namespace calvorin::formulas::ptpg {

Result calculate(Typed<> a1, Typed<> an, Typed<> n) {
    const Real product = Real(a1.value) * an.value;
    const Real powered = power(product.value(), n.value);
    const Real root = fpu::sqrt(powered.value());
    return {root,
            {"|Pn| = √((a1 · an)^n)",
             "|Pn| = √((" + operand(a1.text) + " · " + operand(an.text) + ")^" + operand(n.text) + ")",
             equals("a1 · an", operand(a1.text) + " · " + operand(an.text), product),
             equals("(a1 · an)^n", operand(product) + "^" + operand(n.text), powered),
             equals("|Pn|", "√" + operand(powered), root)}};
}

} // namespace calvorin::formulas::ptpg
