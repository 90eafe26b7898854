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
    // A factorial by its symbol ("(n - p)!") and by its number ("6!"), each value labelled so that
    // p! and (n - p)! stay apart when they are equal.
    auto of = [&](const std::string& symbol) {
        return natural ? (symbol.size() > 1 ? "(" + symbol + ")!" : symbol + "!") : "F(" + symbol + ")";
    };
    auto factorial = [&](const std::string& symbol, double x, double value) {
        return of(symbol) + " = " + (natural ? show(x) + "!" : "F(" + show(x) + ")") + " = " + show(value);
    };
    const std::string N = operand(n.text), P = operand(p.text);
    Steps steps;
    if (natural) {
        steps = {"C(n, p) = n! / (p! · (n - p)!)", "C(" + n.text + ", " + p.text + ") = " + n.text + "! / (" +
                                                       p.text + "! · (" + n.text + " - " + p.text + ")!)"};
    } else {
        steps = {"C(n, p) = n! / (p! · (n - p)!) só existe para n e p inteiros com 0 ≤ p ≤ n; aqui, no lugar "
                 "de x!, F(x) = x · (x - 1) · (x - 2) · ..., com os fatores maiores que 1",
                 "C = F(" + n.text + ") / (F(" + p.text + ") · F(" + N + " - " + P + "))"};
    }
    steps.insert(
        steps.end(),
        {equals("n - p", operand(n.value) + " - " + operand(p.value), difference),
         factorial("n - p", difference, d), factorial("n", n.value, fn), factorial("p", p.value, fp),
         equals(of("p") + " · " + of("n - p"), operand(fp) + " · " + operand(d), divisor),
         equals(of("n") + " / (" + of("p") + " · " + of("n - p") + ")",
                operand(fn) + " / " + operand(divisor), answer),
         (natural ? "C(" + n.text + ", " + p.text + ") = " : std::string("Resposta: ")) + show(answer)});
    return {answer, report(n, p, answer), std::move(steps)};
}

} // namespace calvorin::formulas::Combinations
