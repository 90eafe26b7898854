#include "formulas/Regra3.h"

namespace calvorin::formulas::Regra3 {

namespace {
// Which terms give the missing one: x[a] * x[b] / x[c], left to right.
struct Terms {
    int a, b, c;
};
constexpr Terms terms[4] = {{1, 2, 3}, {0, 3, 2}, {0, 3, 1}, {1, 2, 0}};
} // namespace

Result calculate(int missing, const std::array<double, 4>& x) {
    const Terms t = terms[missing];
    return {(Real(x[t.a]) * x[t.b] / x[t.c]).toDouble()};
}

} // namespace calvorin::formulas::Regra3
