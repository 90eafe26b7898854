#include "formulas/stpg.h"

namespace calvorin::formulas::stpg {

Result calculate(double a1, double n, double q) {
    return {(Real(power(q, n)) - 1) * a1 / (Real(q) - 1)};
}

} // namespace calvorin::formulas::stpg
