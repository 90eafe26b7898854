#include "formulas/Combinations.h"

#include "formulas/Fatoriais.h"

namespace calvorin::formulas::Combinations {

using Fatoriais::descendingProduct;

Result calculate(double n, double p) {
    const double d = descendingProduct((Real(n) - p).toDouble());
    const double fn = descendingProduct(n);
    const double fp = descendingProduct(p);
    return {Real(fn) / (Real(fp) * d)};
}

} // namespace calvorin::formulas::Combinations
