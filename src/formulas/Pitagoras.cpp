#include "formulas/Pitagoras.h"

namespace calvorin::formulas::Pitagoras {

namespace {
Real sq(Real x) {
    return power(x.value(), 2);
}
Real root(Real x) {
    return fpu::sqrt(x.value());
}

// The relation as the steps write it: the list's "*" becomes "·", and the division is spaced like
// the other operations ("a = (b · c) / h").
std::string written(const char* text) {
    std::string line;
    for (const char* c = text; *c; ++c)
        line += *c == '*' ? std::string(" · ") : *c == '/' ? std::string(" / ") : std::string(1, *c);
    return line;
}

// The written relation with each input's letter on the right of " = " replaced by the input as typed.
std::string substituted(const Relation& relation, const Typed<>* t) {
    const std::string text = written(relation.text);
    const auto right = text.find(" = ") + 3;
    std::string line = text.substr(0, right);
    for (char letter : text.substr(right)) {
        int i = 0;
        while (i < 3 && relation.inputs[i] != std::string(1, letter))
            ++i;
        line += i < 3 ? operand(t[i].text) : std::string(1, letter);
    }
    return line;
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

Result calculate(int number, Typed<> t1, Typed<> t2, Typed<> t3, const std::string& chosen,
                 const std::string& expression) {
    const Relation& relation = relations.at(number - 1);
    const Typed<> t[] = {t1, t2, t3};
    const Typed<>&p = t[relation.p], &q = t[relation.q], &r = t[relation.r];
    const std::string side(1, relation.side), P = relation.inputs[relation.p],
                                              Q = relation.inputs[relation.q];
    Steps steps{written(relation.text), substituted(relation, t)};
    // Each square and product with its numbers before the sum, difference or quotient that uses it.
    const auto squared = [&](const std::string& letter, const Typed<>& x) {
        const Real value = sq(x.value);
        steps.push_back(equals(letter + "²", operand(x.text) + "²", value));
        return value;
    };
    const auto product = [&] {
        const Real value = Real(p.value) * q.value;
        steps.push_back(equals(P + " · " + Q, operand(p.text) + " · " + operand(q.text), value));
        return value;
    };
    Real length;
    // A relation for the square of the length: the square, then its root.
    const auto rooted = [&](Real square) {
        length = root(square);
        steps.push_back(equals(side, "√" + show(square), length));
    };
    switch (relation.kind) {
    case sumOfSquares:
    case differenceOfSquares: {
        const bool sum = relation.kind == sumOfSquares;
        const Real a = squared(P, p), b = squared(Q, q);
        const Real square = sum ? a + b : a - b;
        steps.push_back(equals(side + "²", show(a) + (sum ? " + " : " - ") + show(b), square));
        rooted(square);
        break;
    }
    case rootOfProduct:
        rooted(product());
        break;
    case productOverInput: {
        const Real value = product();
        length = value / r.value;
        steps.push_back(equals(side, operand(value) + " / " + operand(r.text), length));
        break;
    }
    case squareOverInput: {
        const Real square = squared(P, p);
        length = square / q.value;
        steps.push_back(equals(side, show(square) + " / " + operand(q.text), length));
        break;
    }
    }
    steps.push_back("Resposta: " + show(length));
    return {length, report(chosen, expression, show(length)), steps};
}

// kept as the program has always written it: "pitágoras" and "Éxpressão"
Report report(const std::string& chosen, const std::string& expression, const std::string& answer) {
    Report lines{"Teorema de pitágoras"};
    if (!chosen.empty()) lines.push_back("Calculando lado " + chosen);
    lines.push_back("Éxpressão utilizada: " + expression);
    lines.push_back("Resultado: " + answer);
    return lines;
}

} // namespace calvorin::formulas::Pitagoras
