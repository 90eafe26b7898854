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
             operand(c.text) + " · " + operand(m.text) + " = " + show(cm),
             operand(tf.text) + " - " + operand(ti.text) + " = " + show(change),
             "Q = " + show(cm) + " · " + operand(show(change)) + " = " + show(q), "Resposta: " + show(q)}};
}

} // namespace calvorin::formulas::Calorias
