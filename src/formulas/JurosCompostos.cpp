#include "formulas/JurosCompostos.h"

namespace calvorin::formulas::JurosCompostos {

namespace {
Report report(const Typed<>& t, const Typed<>& i, const Typed<>& P, Real amount) {
    return {"Cálculo de juros compostos", "Valor inicial = " + P.text, "Tempo = " + t.text,
            "Juros = " + i.text + "%", "Quantia obtida = " + show(amount)};
}
} // namespace

Result calculate(const Typed<>& t, const Typed<>& i, const Typed<>& P) {
    const Real rate = Real(0.01L) * i.value + 1; // the extended 0.01, not the double nearest it
    const Real growth = power(rate.value(), t.value);
    const Real amount = growth * Real(P.value);
    return {amount,
            report(t, i, P, amount),
            {"M = P · (1 + i/100)^t",
             "M = " + operand(P.text) + " · (1 + " + operand(i.text) + "/100)^" + operand(t.text),
             equals("1 + i/100", "1 + " + operand(i.value) + "/100", rate),
             equals("(1 + i/100)^t", operand(rate) + "^" + operand(t.value), growth),
             equals("P · (1 + i/100)^t", operand(P.value) + " · " + operand(growth), amount),
             "M = " + show(amount)}};
}

} // namespace calvorin::formulas::JurosCompostos
