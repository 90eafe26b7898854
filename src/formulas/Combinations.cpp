#include "formulas/Combinations.h"

#include "formulas/Fatoriais.h"

namespace calvorin::formulas::Combinations {

using Fatoriais::descendingProduct;

namespace {
Report report(const Typed<>& n, const Typed<>& p, Real groups) {
    return {"Cálculo de combinações simples", "Número de elementos: " + n.text, "Agrupamentos de " + p.text,
            "Resposta: " + show(groups)};
}
} // namespace

Result calculate(const Typed<>& n, const Typed<>& p) {
    const double difference = (Real(n.value) - p.value).toDouble();
    const double d = descendingProduct(difference);
    const double fn = descendingProduct(n.value);
    const double fp = descendingProduct(p.value);
    const Real divisor = Real(fp) * d;
    const Real answer = Real(fn) / divisor;

    // Outside 0 <= p <= n the window still applies the formula, with the descending product F(x)
    // in place of x!: the steps say so rather than write a factorial that does not exist.
    const bool natural = Fatoriais::natural(n.value) && Fatoriais::natural(p.value) && p.value <= n.value;
    auto of = [&](double x) { return natural ? show(x) + "!" : "F(" + show(x) + ")"; };
    Steps steps;
    if (natural) {
        steps = {"C(n, p) = n! / (p! · (n - p)!)", "C(" + n.text + ", " + p.text + ") = " + n.text + "! / (" +
                                                       p.text + "! · (" + n.text + " - " + operand(p.text) +
                                                       ")!)"};
    } else {
        steps = {"C(n, p) = n! / (p! · (n - p)!) só existe para n e p inteiros com 0 ≤ p ≤ n; aqui, no lugar "
                 "de x!, F(x) = x · (x - 1) · (x - 2) · ... dos fatores maiores que 1",
                 "C = F(" + n.text + ") / (F(" + p.text + ") · F(" + n.text + " - " + operand(p.text) + "))"};
    }
    steps.insert(
        steps.end(),
        {show(n.value) + " - " + operand(show(p.value)) + " = " + show(difference),
         of(difference) + " = " + show(d), of(n.value) + " = " + show(fn), of(p.value) + " = " + show(fp),
         of(p.value) + " · " + of(difference) + " = " + show(fp) + " · " + operand(show(d)) + " = " +
             show(divisor),
         show(fn) + " / " + operand(show(divisor)) + " = " + show(answer),
         (natural ? "C(" + n.text + ", " + p.text + ") = " : std::string("Resposta: ")) + show(answer)});
    return {answer, report(n, p, answer), std::move(steps)};
}

} // namespace calvorin::formulas::Combinations
