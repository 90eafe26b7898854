#include "formulas/OperMatrizes.h"

namespace calvorin::formulas::OperMatrizes {

Result calculate(Operation operation, const Matrix& a, const Matrix& b) {
    Result result;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            Real e;
            if (operation == Operation::add)
                e = Real(a[i][j]) + b[i][j];
            else if (operation == Operation::subtract)
                e = Real(a[i][j]) - b[i][j];
            else
                e = Real(a[i][0]) * b[0][j] + Real(a[i][1]) * b[1][j] + Real(a[i][2]) * b[2][j];
            result.answer[i][j] = e.toDouble();
        }
    return result;
}

} // namespace calvorin::formulas::OperMatrizes
