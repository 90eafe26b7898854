#include "formulas/STPA.h"

namespace calvorin::formulas::STPA {

Result calculate(Typed<> a1, Typed<> an, Typed<> n) {
    const Real sum = Real(a1.value) + an.value;
    const Real product = sum * n.value;
    const Real half = product * 0.5;
    return {half,
            {"Sn = (a1 + an) · n / 2",
             "Sn = (" + operand(a1.text) + " + " + operand(an.text) + ") · " + operand(n.text) + " / 2",
             equals("a1 + an", operand(a1.text) + " + " + operand(an.text), sum),
             equals("(a1 + an) · n", operand(sum) + " · " + operand(n.text), product),
             equals("Sn", operand(product) + " / 2", half)}};
}

} // namespace calvorin::formulas::STPA
