#include "formulas/Diagonais.h"

namespace calvorin::formulas::Diagonais {

Result calculate(Typed<> n) {
    const Real less3 = Real(n.value) - 3;
    const Real product = Real(n.value) * less3;
    // Written as a division by 2: the product by 0.5 halves exactly, so the value is the same.
    const Real diagonals = product * 0.5;
    return {diagonals,
            {"d = n · (n - 3) / 2", "d = " + operand(n.text) + " · (" + operand(n.text) + " - 3) / 2",
             equals("n - 3", operand(n.text) + " - 3", less3),
             equals("n · (n - 3)", operand(n.text) + " · " + operand(less3), product),
             equals("d", operand(product) + " / 2", diagonals), "Resposta: " + show(diagonals)}};
}

} // namespace calvorin::formulas::Diagonais
