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

// kept as the program has always written it: the list's "Cosecante" and "Coseno"
const std::array<Function, 6> functions{{
    {"Cosecante", "Cossecante", "cossec", "sen", sine, true, 0},
    {"Coseno", "Cosseno", "cos", "cos", cosine, false, -1},
    {"Cotangente", "Cotangente", "cotg", "tg", fpu::tan, true, 0},
    {"Secante", "Secante", "sec", "cos", cosine, true, 90},
    {"Seno", "Seno", "sen", "sen", sine, false, -1},
    {"Tangente", "Tangente", "tg", "tg", fpu::tan, false, 90},
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
    Steps steps{std::string(f.name) + ": " + symbol + "(x)" + relation,
                f.reciprocal ? symbol + angle + " = 1 / " + base + angle : symbol + angle};
    if (degrees) {
        const std::string typed = operand(x.text);
        steps.push_back(x.text + "° = " + typed + " · π / 180 = " + typed + " · " + show(pi) +
                        " / 180 = " + radians + " rad");
    }
    steps.push_back(base + "(" + radians + ") = " + show(value));
    if (f.reciprocal) steps.push_back(symbol + angle + " = 1 / " + operand(value) + " = " + show(answer));
    steps.push_back("Resposta: " + show(answer));
    // Where the function has no value, π is rounded in radians and its base comes out near 0, not 0:
    // the window shows a huge number (at 0° the division by 0 has already ended the calculation).
    if (degrees && f.pole >= 0 && std::fmod(x.value - f.pole, 180) == 0)
        steps.push_back(symbol + " " + x.text + "° não existe: o valor mostrado vem do arredondamento de π");
    return {answer, steps};
}

} // namespace calvorin::formulas::Trigonometria
