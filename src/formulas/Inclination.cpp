#include "formulas/Inclination.h"

namespace calvorin::formulas::Inclination {

Result calculate(Typed<> x1, Typed<> x2, Typed<> y1, Typed<> y2) {
    const std::string x = operand(x1.text) + " - " + operand(x2.text),
                      y = operand(y1.text) + " - " + operand(y2.text);
    Result result{{}, {}, {"m = (y1 - y2) / (x1 - x2)", "m = (" + y + ") / (" + x + ")"}};
    const Real dx = Real(x1.value) - x2.value;
    const auto report = [&](const std::string& slope) {
        result.report = pointsReport("Inclinação de uma reta", x1, y1, x2, y2, "Inclinação = " + slope);
    };
    result.steps.push_back(equals("x1 - x2", x, dx));
    if (dx == 0) {
        result.steps.insert(result.steps.end(), {"Inclinação: " + std::string(vertical),
                                                 "x1 = x2: a reta é vertical e não tem coeficiente angular"});
        report(vertical);
        return result;
    }
    const Real dy = Real(y1.value) - y2.value;
    const Real m = dy / dx;
    result.answer = m;
    result.steps.push_back(equals("y1 - y2", y, dy));
    result.steps.push_back(equals("m", operand(dy) + " / " + operand(dx), m));
    result.steps.push_back("Inclinação: " + show(m));
    report(show(m));
    return result;
}

} // namespace calvorin::formulas::Inclination
