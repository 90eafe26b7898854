#include "formulas/PontoReta.h"

namespace calvorin::formulas::PontoReta {

Result calculate(Typed<> a, Typed<> b, Typed<> c, Typed<> x0, Typed<> y0) {
    const Real ra = a.value, rb = b.value;
    const Real ax = ra * x0.value, by = rb * y0.value;
    // The numerator and the root are each stored as a double.
    const Real signedSum = (ax + by + c.value).toDouble();
    const Real s = signedSum < 0 ? signedSum * -1 : signedSum;
    const Real a2 = ra * ra, b2 = rb * rb;
    const Real squares = a2 + b2;
    const Real q = fpu::toDouble(fpu::sqrt(squares.value()));
    const Real d = s / q;
    const std::string A = operand(a.text), B = operand(b.text), X0 = operand(x0.text), Y0 = operand(y0.text);
    // The two products and the two squares before their sums, where the signs go wrong.
    return {
        d,
        // kept as the program has always written it: the inputs are not recorded
        {"Calculando a distância entre um ponto e uma reta", "Resposta obtida: " + show(d)},
        {"d = |a·x0 + b·y0 + c| / √(a² + b²)",
         "d = |" + A + "·" + X0 + " + " + B + "·" + Y0 + " + " + operand(c.text) + "| / √(" + A + "² + " + B +
             "²)",
         equals("a·x0", A + "·" + X0, ax), equals("b·y0", B + "·" + Y0, by),
         equals("a·x0 + b·y0 + c", operand(ax) + " + " + operand(by) + " + " + operand(c.text), signedSum),
         "|" + show(signedSum) + "| = " + show(s),
         equals("a² + b²", A + "² + " + B + "² = " + show(a2) + " + " + show(b2), squares),
         equals("√(a² + b²)", "√" + show(squares), q), equals("d", show(s) + " / " + show(q), d),
         "Resposta: " + show(d)}};
}

} // namespace calvorin::formulas::PontoReta
