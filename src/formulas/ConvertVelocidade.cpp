#include "formulas/ConvertVelocidade.h"

namespace calvorin::formulas::ConvertVelocidade {

namespace {
// kept as the program has always written it: the spacing around "=" differs between the two directions, and
// the titles write "km/h" with a small k
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
    const std::string from = toMs ? " km/h" : " m/s", to = toMs ? " m/s" : " km/h";
    const std::string times = (toMs ? " / " : " · ") + show(3.6L);
    const std::string operation = operand(v.text) + times;
    // The speed keeps its unit at every step: typed in one, worked out, and answered in the other.
    return {answer,
            report(direction, v, answer),
            {"v (" + to.substr(1) + ") = v (" + from.substr(1) + ")" + times,
             "v = " + v.text + from + " = (" + operation + ")" + to, operation + " = " + show(answer),
             "Resposta: " + show(answer) + to}};
}

} // namespace calvorin::formulas::ConvertVelocidade
