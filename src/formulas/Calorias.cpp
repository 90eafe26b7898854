#include "formulas/Calorias.h"

namespace calvorin::formulas::Calorias {

namespace {
// A signed number in parentheses, so that a difference reads 10 - (-5).
std::string operand(const std::string& text) {
    return !text.empty() && (text[0] == '-' || text[0] == '+') ? "(" + text + ")" : text;
}
} // namespace

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
