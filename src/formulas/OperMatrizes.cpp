#include "formulas/OperMatrizes.h"

namespace calvorin::formulas::OperMatrizes {

namespace {
Report report(Operation operation, const Operands& a, const Operands& b, const Matrix& answer) {
    Report lines{operation == Operation::add        ? "Adição de matrizes"
                 : operation == Operation::subtract ? "Subtração de matrizes"
                                                    : "Multiplicação de matrizes"};
    for (const Operands* m : {&a, &b}) {
        lines.push_back(m == &a ? "Matriz 1" : "Matriz 2");
        for (const auto& row : *m)
            // kept as the program has always written it: elements joined by "," even where "," is the decimal
            // separator
            lines.push_back(row[0].text + "," + row[1].text + "," + row[2].text);
    }
    lines.push_back("Resultado:");
    for (const auto& row : answer)
        lines.push_back(show(row[0]) + "," + show(row[1]) + "," + show(row[2]));
    return lines;
}
} // namespace

Result calculate(Operation operation, const Operands& a, const Operands& b) {
    Result result;
    result.steps.push_back(operation == Operation::add        ? "Rij = Aij + Bij"
                           : operation == Operation::subtract ? "Rij = Aij - Bij"
                                                              : "Rij = Ai1·B1j + Ai2·B2j + Ai3·B3j");
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            Real e;
            std::string terms;
            if (operation == Operation::multiply) {
                e = Real(a[i][0].value) * b[0][j].value + Real(a[i][1].value) * b[1][j].value +
                    Real(a[i][2].value) * b[2][j].value;
                for (int k = 0; k < 3; ++k)
                    terms += (k ? " + " : "") + operand(a[i][k].text) + "·" + operand(b[k][j].text);
            } else {
                const bool add = operation == Operation::add;
                e = add ? Real(a[i][j].value) + b[i][j].value : Real(a[i][j].value) - b[i][j].value;
                terms = operand(a[i][j].text) + (add ? " + " : " - ") + operand(b[i][j].text);
            }
            result.answer[i][j] = e.toDouble();
            result.steps.push_back("R" + std::to_string(i + 1) + std::to_string(j + 1) + " = " + terms +
                                   " = " + show(result.answer[i][j]));
        }
    result.steps.push_back("Resultado:");
    for (const auto& row : result.answer)
        result.steps.push_back(show(row[0]) + " " + show(row[1]) + " " + show(row[2]));
    result.report = report(operation, a, b, result.answer);
    return result;
}

} // namespace calvorin::formulas::OperMatrizes
