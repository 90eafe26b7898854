#include "formulas/Equa2.h"

namespace calvorin::formulas::Equa2 {

namespace {
// A coefficient as typed; an empty one counts as 0.
std::string typed(const Typed<>& t) {
    return operand(t.text.empty() ? "0" : t.text);
}

// A coefficient's term in the plotter's equation: "+" and the text for a positive value, the text
// (with its minus sign) for a negative one. A zero term is left out with its power of x: written as
// typed it could be empty ("+*x" reads as nothing), and it adds nothing to the curve.
std::string term(const Typed<>& t, const char* power) {
    if (t.value == 0) return {};
    return (t.value > 0 ? "+" : "") + t.text + power;
}

const char* const title = "Calculando uma equação de segundo grau";
} // namespace

Result discriminant(const Typed<>& a, const Typed<>& b, const Typed<>& c) {
    Result r;
    r.a = a.value, r.b = b.value, r.c = c.value;
    const Real square = power(b.value, 2), fourAC = Real(4) * a.value * c.value;
    r.delta = (square - fourAC).toDouble();
    // "- 4·a·c" written as the sign of what is taken away; 0 - x keeps a zero from showing as -0.
    const std::string taken = fourAC > 0 ? " - " + show(fourAC) : " + " + show(Real(0) - fourAC);
    r.steps = {
        "Δ = b² - 4·a·c",
        "x = (-b ± √Δ) / (2·a)",
        "Δ = " + typed(b) + "² - 4·" + typed(a) + "·" + typed(c),
        "Δ = " + show(square) + taken + " = " + show(r.delta),
    };
    if (r.delta < 0) r.steps.insert(r.steps.end(), {"Δ < 0", noRoots});
    r.equation = a.text + "*x*x" + term(b, "*x") + term(c, "");
    // kept as the program has always written it: the report's "Sem raízes reais" without the labels' "!"
    if (r.delta < 0) r.report = {title, r.equation, "Sem raízes reais"};
    return r;
}

void roots(Result& r) {
    const Real root = fpu::sqrt(r.delta), minusB = Real(0) - r.b, twoA = Real(2) * r.a;
    // kept as the program has always written it: the first root is the one with +√Δ, the smaller one for a
    // negative a
    r.root1 = (-Real(r.b) + root) / twoA;
    r.root2 = (-Real(r.b) - root) / twoA;
    const std::string over = ") / " + operand(twoA);
    r.steps.insert(r.steps.end(),
                   {"√Δ = " + show(root), "x = (" + show(minusB) + " ± " + show(root) + over,
                    "x1 = (" + show(minusB) + " + " + show(root) + over + " = " + show(r.root1),
                    "x2 = (" + show(minusB) + " - " + show(root) + over + " = " + show(r.root2),
                    "Resposta 1: " + show(r.root1), "Resposta 2: " + show(r.root2)});
    r.report = {title, r.equation, "Resposta 1: " + show(r.root1), "Resposta 2: " + show(r.root2)};
}

void vertex(Result& r) {
    // kept as the program has always written it: the vertex lies between the roots as shown, to 15 digits
    const Real r1 = strToFloat(show(r.root1)), r2 = strToFloat(show(r.root2));
    r.xv = ((r1 + r2) * 0.5).toDouble();
    r.yv = (Real(r.a) * r.xv * r.xv + Real(r.b) * r.xv + r.c).toDouble();
    const std::string x = operand(r.xv);
    r.steps.insert(r.steps.end(),
                   {"xv = (x1 + x2) / 2 = (" + operand(r1) + " + " + operand(r2) + ") / 2 = " + show(r.xv),
                    "yv = a·xv² + b·xv + c = " + operand(r.a) + "·" + x + "² + " + operand(r.b) + "·" + x +
                        " + " + operand(r.c) + " = " + show(r.yv),
                    "Coordenadas do vértice: X = " + show(r.xv) + "; Y = " + show(r.yv)});
}

} // namespace calvorin::formulas::Equa2
