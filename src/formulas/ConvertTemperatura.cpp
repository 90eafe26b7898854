#include "formulas/ConvertTemperatura.h"

namespace calvorin::formulas::ConvertTemperatura {

namespace {
// The converter's constants, at extended precision.
const Real a18 = 1.8L, a27315 = 273.15L, a45967 = 459.67L;
const Real oneNinth = 1.0L / 9, fiveNinths = 5.0L / 9;

} // namespace

Result calculate(Scale from, Scale to, const Typed<Real>& value) {
    const Real x = value.value;
    const std::string typed = operand(value.text);
    Real answer = x;
    Steps steps;
    // The formula in symbols and with the value put in, then each operation in its order.
    auto relation = [&](const std::string& symbols, const std::string& substituted) {
        const std::string name = to == Scale::celsius ? "C" : to == Scale::fahrenheit ? "F" : "K";
        steps = {name + " = " + symbols, name + " = " + substituted};
    };
    auto step = [&](const std::string& operation, Real result) {
        steps.push_back(operation + " = " + show(result));
        return result;
    };
    const std::string c18 = show(a18), c27315 = show(a27315), c45967 = show(a45967);
    if (from == Scale::celsius && to == Scale::fahrenheit) {
        relation("C · " + c18 + " + 32", typed + " · " + c18 + " + 32");
        const Real product = step(typed + " · " + c18, x * a18);
        answer = step(operand(product) + " + 32", product + 32);
    } else if (from == Scale::celsius && to == Scale::kelvin) {
        relation("C + " + c27315, typed + " + " + c27315);
        answer = step(typed + " + " + c27315, x + a27315);
    } else if (from == Scale::fahrenheit && to == Scale::celsius) {
        relation("(F - 32) · 5 / 9", "(" + typed + " - 32) · 5 / 9");
        const Real difference = step(typed + " - 32", x - 32);
        const Real times5 = step(operand(difference) + " · 5", difference * 5);
        answer = step(operand(times5) + " / 9", times5 * oneNinth);
    } else if (from == Scale::fahrenheit && to == Scale::kelvin) {
        relation("(F + " + c45967 + ") · 5 / 9", "(" + typed + " + " + c45967 + ") · 5 / 9");
        const Real sum = step(typed + " + " + c45967, x + a45967);
        answer = step(operand(sum) + " · 5 / 9", sum * fiveNinths);
    } else if (from == Scale::kelvin && to == Scale::celsius) {
        relation("K - " + c27315, typed + " - " + c27315);
        answer = step(typed + " - " + c27315, x - a27315);
    } else if (from == Scale::kelvin && to == Scale::fahrenheit) {
        relation("K · " + c18 + " - " + c45967, typed + " · " + c18 + " - " + c45967);
        const Real product = step(typed + " · " + c18, x * a18);
        answer = step(operand(product) + " - " + c45967, product - a45967);
    }
    if (!steps.empty()) {
        const char* unit = to == Scale::celsius ? " °C" : to == Scale::fahrenheit ? " °F" : " K";
        steps.push_back(steps[0].substr(0, 1) + " = " + show(answer) + unit);
    }
    return {answer, steps};
}

} // namespace calvorin::formulas::ConvertTemperatura
