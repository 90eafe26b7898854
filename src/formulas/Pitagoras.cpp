#include "formulas/Pitagoras.h"

namespace calvorin::formulas::Pitagoras {

namespace {
Real sq(Real x) {
    return power(x.value(), 2);
}
Real root(Real x) {
    return fpu::sqrt(x.value());
}
} // namespace

using enum Kind;
const std::array<Relation, 22> relations{{
    {'a', "a² = b² + c²", {"b", "c", ""}, sumOfSquares, 0, 1, 0},
    {'a', "a = (b*c)/h", {"b", "c", "h"}, productOverInput, 0, 1, 2},
    {'a', "a = b²/m", {"b", "m", ""}, squareOverInput, 0, 1, 0},
    {'a', "a = c²/n", {"c", "n", ""}, squareOverInput, 0, 1, 0},
    {'b', "b² = a² - c²", {"a", "c", ""}, differenceOfSquares, 0, 1, 0},
    {'b', "b = (a*h)/c", {"a", "c", "h"}, productOverInput, 0, 2, 1},
    {'b', "b² = a*m", {"a", "m", ""}, rootOfProduct, 0, 1, 0},
    {'b', "b² = h² + m²", {"h", "m", ""}, sumOfSquares, 0, 1, 0},
    {'c', "c² = a² - b²", {"a", "b", ""}, differenceOfSquares, 0, 1, 0},
    {'c', "c = (a*h)/b", {"a", "b", "h"}, productOverInput, 0, 2, 1},
    {'c', "c² = a*n", {"a", "n", ""}, rootOfProduct, 0, 1, 0},
    {'c', "c² = h² + n²", {"h", "n", ""}, sumOfSquares, 0, 1, 0},
    {'h', "h² = m*n", {"m", "n", ""}, rootOfProduct, 0, 1, 0},
    {'h', "h = (b*c)/a", {"a", "b", "c"}, productOverInput, 1, 2, 0},
    // The leg c goes with its own projection n, as b goes with m.
    {'h', "h² = c² - n²", {"c", "n", ""}, differenceOfSquares, 0, 1, 0},
    {'h', "h² = b² - m²", {"b", "m", ""}, differenceOfSquares, 0, 1, 0},
    {'m', "m = h²/n", {"h", "n", ""}, squareOverInput, 0, 1, 0},
    {'m', "m = b²/a", {"a", "b", ""}, squareOverInput, 1, 0, 0},
    {'m', "m² = b² - h²", {"b", "h", ""}, differenceOfSquares, 0, 1, 0},
    {'n', "n = h²/m", {"h", "m", ""}, squareOverInput, 0, 1, 0},
    {'n', "n = c²/a", {"a", "c", ""}, squareOverInput, 1, 0, 0},
    {'n', "n² = c² - h²", {"c", "h", ""}, differenceOfSquares, 0, 1, 0},
}};

Result calculate(int number, double t1, double t2, double t3) {
    const Relation& relation = relations.at(number - 1);
    const double t[] = {t1, t2, t3};
    const Real p = t[relation.p], q = t[relation.q], r = t[relation.r];
    switch (relation.kind) {
    case sumOfSquares:
        return {root(sq(p) + sq(q))};
    case differenceOfSquares:
        return {root(sq(p) - sq(q))};
    case rootOfProduct:
        return {root(p * q)};
    case productOverInput:
        return {p * q / r};
    case squareOverInput:
        return {sq(p) / q};
    }
    return {};
}

} // namespace calvorin::formulas::Pitagoras
