#include "formulas/ConvertVelocidade.h"

namespace calvorin::formulas::ConvertVelocidade {

namespace {
// The spacing around "=" differs between the two directions, as it always has.
Report report(Direction direction, const Typed<>& v, Real answer) {
    if (direction == Direction::kmhToMs)
        return {"Transformando km/h para m/seg", v.text + " Km/h =" + show(answer) + " m/seg"};
    return {"Transformando m/seg para Km/h", v.text + " m/seg = " + show(answer) + " Km/h"};
}
} // namespace

Result calculate(Direction direction, const Typed<>& v) {
    // 1/3.6 as the nearest extended number, not a division, so that the digits stay those of before.
    const bool toMs = direction == Direction::kmhToMs;
    const Real answer = Real(v.value) * (toMs ? 0.27777777777777777778L : 3.6L);
    const std::string typed = !v.text.empty() && v.text[0] == '-' ? "(" + v.text + ")" : v.text;
    const std::string times = (toMs ? " ÷ " : " · ") + show(3.6L);
    const std::string name = toMs ? "v(m/seg)" : "v(Km/h)";
    return {answer,
            report(direction, v, answer),
            {name + " = " + (toMs ? "v(Km/h)" : "v(m/seg)") + times, name + " = " + typed + times,
             typed + times + " = " + show(answer), "Resposta: " + show(answer)}};
}

} // namespace calvorin::formulas::ConvertVelocidade
