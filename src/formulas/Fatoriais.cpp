#include "formulas/Fatoriais.h"

#include <cmath>

namespace calvorin::formulas::Fatoriais {

namespace {
// The product, handing each multiplication (the product so far, the factor, their product) on.
template <class Each> double product(double x, Each each) {
    if (x == 0) return 1; // 0! = 1: the product of no factors
    double result = x;
    for (double k = x - 1; k > 1; k = k - 1) {
        const double next = (Real(result) * k).toDouble();
        each(result, k, next);
        result = next;
    }
    return result;
}
} // namespace

double descendingProduct(double x) {
    return product(x, [](double, double, double) {});
}

double descendingProduct(double x, Steps& steps) {
    return product(x, [&](double result, double k, double next) {
        steps.push_back(operand(show(result)) + " · " + show(k) + " = " + show(next));
    });
}

bool natural(double x) {
    return x >= 0 && std::trunc(x) == x;
}

namespace {
// The factors of the product from x down, the middle ones left out when there are many. The last
// is x's own, the one of x - 1, x - 2, ... in (1, 2]: 2 for a whole x, 1.5 for 9.5.
std::string factors(double x) {
    std::string text = show(x);
    int count = 1;
    for (double k = x - 1; k > 1; k = k - 1, ++count) {
        if (count == 4 && k > 3) // x · (x - 1) · (x - 2) · (x - 3) · ... · last
            return text + " · ... · " + show(x - std::ceil(x - 2));
        text += " · " + show(k);
    }
    return text;
}
} // namespace

Report report(const Typed<>& x, double factorial) {
    return {"Cálculo de fatoriais", "Fatorial de " + x.text + " = " + show(factorial)};
}

Result calculate(const Typed<>& x) {
    Steps steps;
    if (natural(x.value)) {
        steps = {"n! = n · (n - 1) · (n - 2) · ... · 1", x.value == 0 ? "0! = 1, por definição"
                                                         : x.value == 1
                                                             ? x.text + "! = 1"
                                                             : x.text + "! = " + factors(x.value) + " · 1"};
    } else {
        steps = {"n! só existe para n inteiro e não negativo; aqui, o produto n · (n - 1) · (n - 2) · ... "
                 "dos fatores maiores que 1",
                 "Produto: " + factors(x.value)};
    }
    const double answer = descendingProduct(x.value, steps);
    steps.push_back((natural(x.value) ? x.text + "! = " : std::string("Resposta: ")) + show(answer));
    return {answer, report(x, answer), std::move(steps)};
}

} // namespace calvorin::formulas::Fatoriais
