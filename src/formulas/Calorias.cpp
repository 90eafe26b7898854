#include "formulas/Calorias.h"

namespace calvorin::formulas::Calorias {

namespace {
Report report(const Typed<>& c, const Typed<>& m, const Typed<>& ti, const Typed<>& tf, Real q) {
    return {"Calculando número de calorias gastas", "Calor específico: " + c.text,   "Massa: " + m.text,
            "Temperatura inicial: " + ti.text,      "Temperatura final: " + tf.text, "Resposta: " + show(q)};
}
} // namespace

Result calculate(const Typed<>& c, const Typed<>& m, const Typed<>& ti, const Typed<>& tf) {
    const Real cm = Real(c.value) * m.value, change = Real(tf.value) - ti.value;
    const Real q = cm * change;
    return {q,
            report(c, m, ti, tf, q),
            {"Q = c · m · (Tf - Ti)",
             "Q = " + operand(c.text) + " · " + operand(m.text) + " · (" + operand(tf.text) + " - " +
                 operand(ti.text) + ")",
             equals("c · m", operand(c.text) + " · " + operand(m.text), cm),
             equals("Tf - Ti", operand(tf.text) + " - " + operand(ti.text), change) + " °C",
             equals("Q", operand(cm) + " · " + operand(change), q),
             // The window takes the units as they come; the usual ones give calories.
             "Resposta: " + show(q) + " cal, se c estiver em cal/(g·°C) e m em g"}};
}

} // namespace calvorin::formulas::Calorias
