#include "formulas/Regra3.h"

namespace calvorin::formulas::Regra3 {

namespace {
// Which terms give the missing one: x[a] * x[b] / x[c], left to right.
struct Terms {
    int a, b, c;
};
constexpr Terms terms[4] = {{1, 2, 3}, {0, 3, 2}, {0, 3, 1}, {1, 2, 0}};

} // namespace

Result calculate(int missing, const std::array<Typed<>, 4>& x) {
    const Terms t = terms[missing];
    const Real product = Real(x[t.a].value) * x[t.b].value;
    const double answer = (product / x[t.c].value).toDouble();

    // The proportion as the rows read it, cross-multiplied so that a zero term stays meaningful; the
    // unknown is written x.
    auto term = [&](int k) { return k == missing ? std::string("x") : operand(x[k].text); };
    auto value = [&](int k) { return operand(show(x[k].value)); };
    return {answer,
            {"x1 / x2 = x3 / x4  ⇒  x1 · x4 = x2 · x3",
             term(0) + " · " + term(3) + " = " + term(1) + " · " + term(2),
             "x = " + value(t.a) + " · " + value(t.b) + " / " + value(t.c),
             value(t.a) + " · " + value(t.b) + " = " + show(product),
             operand(show(product)) + " / " + value(t.c) + " = " + show(answer), "x = " + show(answer)}};
}

} // namespace calvorin::formulas::Regra3
