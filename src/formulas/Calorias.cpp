#include "formulas/Calorias.h"

namespace calvorin::formulas::Calorias {

Result calculate(const Typed<>& c, const Typed<>& m, const Typed<>& ti, const Typed<>& tf) {
    const Real cm = Real(c.value) * m.value, change = Real(tf.value) - ti.value;
    const Real q = cm * change;
    return {q,
            {"Q = c · m · (Tf - Ti)",
             "Q = " + operand(c.text) + " · " + operand(m.text) + " · (" + operand(tf.text) + " - " +
                 operand(ti.text) + ")",
             operand(c.text) + " · " + operand(m.text) + " = " + show(cm),
             operand(tf.text) + " - " + operand(ti.text) + " = " + show(change),
             "Q = " + show(cm) + " · " + operand(show(change)) + " = " + show(q), "Resposta: " + show(q)}};
}

} // namespace calvorin::formulas::Calorias
