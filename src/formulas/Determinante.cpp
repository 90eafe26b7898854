#include "formulas/Determinante.h"

namespace calvorin::formulas::Determinante {

namespace {

// The six diagonals of Sarrus as [row][column] indices, the three added first.
constexpr int diagonals[6][3][2] = {
    {{0, 0}, {1, 1}, {2, 2}}, {{0, 1}, {1, 2}, {2, 0}}, {{0, 2}, {1, 0}, {2, 1}},
    {{0, 2}, {1, 1}, {2, 0}}, {{0, 1}, {1, 0}, {2, 2}}, {{0, 0}, {1, 2}, {2, 1}},
};

// kept as the program has always written it: the title's "matrix"
Report report(const Matrix& m, double determinant) {
    Report lines{"Cálculo do determinante de uma matrix 3x3", "Matriz:"};
    for (const auto& row : m)
        lines.push_back(row[0].text + " " + row[1].text + " " + row[2].text);
    lines.push_back("Determinante = " + show(determinant));
    return lines;
}
} // namespace

Result calculate(const Matrix& m) {
    Real product[6];
    std::string symbols[6], values[6];
    for (int p = 0; p < 6; ++p) {
        for (int f = 0; f < 3; ++f) {
            const auto [i, j] = diagonals[p][f];
            product[p] = f ? product[p] * m[i][j].value : Real(m[i][j].value);
            symbols[p] += (f ? "·a" : "a") + std::to_string(i + 1) + std::to_string(j + 1);
            values[p] += (f ? "·" : "") + operand(m[i][j].text);
        }
    }
    // Left to right, as the rule is written.
    const Real d = product[0] + product[1] + product[2] - product[3] - product[4] - product[5];
    const double answer = d.toDouble();

    Steps steps(2, "det =");
    std::string sum = "det =";
    for (int p = 0; p < 6; ++p) {
        const char* sign = p == 0 ? " " : p < 3 ? " + " : " - ";
        steps[0] += sign + symbols[p];
        steps[1] += sign + values[p];
        steps.push_back(symbols[p] + " = " + values[p] + " = " + show(product[p]));
        sum += sign + operand(show(product[p]));
    }
    steps.push_back(sum + " = " + show(d));
    steps.push_back("Resposta: " + show(answer));
    return {answer, report(m, answer), steps};
}

} // namespace calvorin::formulas::Determinante
