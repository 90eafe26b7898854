#include "formulas/Fatoriais.h"

namespace calvorin::formulas::Fatoriais {

double descendingProduct(double x) {
    if (x == 0) return 1; // 0! = 1: the product of no factors
    double result = x;
    for (double k = x - 1; k > 1; k = k - 1)
        result = (Real(result) * k).toDouble();
    return result;
}

Result calculate(double x) {
    return {descendingProduct(x)};
}

} // namespace calvorin::formulas::Fatoriais
