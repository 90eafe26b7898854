#include "formulas/PontoReta.h"

namespace calvorin::formulas::PontoReta {

Result calculate(Typed<> a, Typed<> b, Typed<> c, Typed<> x0, Typed<> y0) {
    const Real ra = a.value, rb = b.value;
    // The numerator and the root are each stored as a double.
    const Real signedSum = (ra * x0.value + rb * y0.value + c.value).toDouble();
    const Real s = signedSum < 0 ? signedSum * -1 : signedSum;
    const Real squares = ra * ra + rb * rb;
    const Real q = fpu::toDouble(fpu::sqrt(squares.value()));
    const Real d = s / q;
    return {d,
            {"Calculando a distância entre um ponto e uma reta", "Resposta obtida: " + show(d)},
            {"d = |a·x0 + b·y0 + c| / √(a² + b²)",
             "d = |" + a.text + "·" + operand(x0.text) + " + " + operand(b.text) + "·" + operand(y0.text) +
                 " + " + operand(c.text) + "| / √(" + operand(a.text) + "² + " + operand(b.text) + "²)",
             "a·x0 + b·y0 + c = " + show(signedSum), "|" + show(signedSum) + "| = " + show(s),
             "a² + b² = " + show(squares), equals("√(a² + b²)", "√" + show(squares), q),
             equals("d", show(s) + " / " + show(q), d), "Resposta: " + show(d)}};
}

} // namespace calvorin::formulas::PontoReta
