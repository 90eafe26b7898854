#include "formulas/Trigonometria.h"

#include <cmath>
#include <numbers>

namespace calvorin::formulas::Trigonometria {

namespace {
// The unit's sine and cosine give 0 beyond their range of 2^63.
Extended sine(Extended r) {
    return std::fabs(r) >= 0x1p63L ? 0 : fpu::sin(r);
}
Extended cosine(Extended r) {
    return std::fabs(r) >= 0x1p63L ? 0 : fpu::cos(r);
}
} // namespace

const std::array<Function, 6> functions{{
    {"Cosecante", "cossec", "sen", sine, true},
    {"Coseno", "cos", "cos", cosine, false},
    {"Cotangente", "cotg", "tg", fpu::tan, true},
    {"Secante", "sec", "cos", cosine, true},
    {"Seno", "sen", "sen", sine, false},
    {"Tangente", "tg", "tg", fpu::tan, false},
}};

Result calculate(int function, Typed<> x, bool degrees) {
    const Function& f = functions.at(function);
    // Degrees go through the full extended pi, so that the special angles come out exact.
    constexpr Extended pi = std::numbers::pi_v<Extended>;
    const Extended r = degrees ? (Real(1) / 180 * pi * x.value).toDouble() : x.value;
    const Real value = f.base(r);
    const Real answer = f.reciprocal ? 1 / value : value;

    const std::string symbol = f.symbol, base = f.baseSymbol;
    const std::string angle = "(" + x.text + (degrees ? "°)" : ")");
    const std::string relation = f.reciprocal ? " = 1 / " + base + "(x)" : "";
    const std::string radians = degrees ? show(r) : x.text;
    Steps steps{std::string(f.item) + ": " + symbol + "(x)" + relation,
                f.reciprocal ? symbol + angle + " = 1 / " + base + angle : symbol + angle};
    if (degrees)
        steps.push_back(x.text + "° = " + x.text + " · π / 180 = " + x.text + " · " + show(pi) +
                        " / 180 = " + radians + " rad");
    steps.push_back(base + "(" + radians + ") = " + show(value));
    if (f.reciprocal) steps.push_back(symbol + angle + " = 1 / " + operand(value) + " = " + show(answer));
    steps.push_back("Resposta: " + show(answer));
    return {answer, steps};
}

} // namespace calvorin::formulas::Trigonometria
