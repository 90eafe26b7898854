#include "formulas/Distancia.h"

namespace calvorin::formulas::Distancia {

Result calculate(Typed<> x1, Typed<> x2, Typed<> y1, Typed<> y2) {
    const Real dx = Real(x1.value) - x2.value;
    const Real dx2 = power(dx.value(), 2);
    const Real dy = Real(y1.value) - y2.value;
    const Real dy2 = power(dy.value(), 2);
    const Real sum = dx2 + dy2;
    const Real d = fpu::toDouble(fpu::sqrt(sum.value()));
    const std::string x = operand(x1.text) + " - " + operand(x2.text),
                      y = operand(y1.text) + " - " + operand(y2.text);
    // Each difference, then its square, before the sum.
    return {d,
            pointsReport("Distância entre dois pontos", x1, y1, x2, y2, "Distância = " + show(d)),
            {"d = √((x1 - x2)² + (y1 - y2)²)", "d = √((" + x + ")² + (" + y + ")²)", equals("x1 - x2", x, dx),
             equals("(x1 - x2)²", operand(dx) + "²", dx2), equals("y1 - y2", y, dy),
             equals("(y1 - y2)²", operand(dy) + "²", dy2),
             "d = √(" + show(dx2) + " + " + show(dy2) + ") = √" + show(sum) + " = " + show(d),
             "Distância: " + show(d)}};
}

} // namespace calvorin::formulas::Distancia
