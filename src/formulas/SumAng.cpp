#include "formulas/SumAng.h"

namespace calvorin::formulas::SumAng {

Result calculate(Typed<> n) {
    const Real sides = Real(n.value) - 2;
    const Real sum = sides * 180;
    return {sum,
            {"S = (n - 2) · 180°", "S = (" + operand(n.text) + " - 2) · 180°",
             equals("n - 2", operand(n.text) + " - 2", sides),
             equals("S", operand(sides) + " · 180°", sum) + "°", "Resposta: " + show(sum) + "°"}};
}

} // namespace calvorin::formulas::SumAng
