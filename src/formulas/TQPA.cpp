#include "formulas/TQPA.h"

namespace calvorin::formulas::TQPA {

Result calculate(double n, double a1, double r) {
    return {(Real(n) - 1) * r + a1};
}

} // namespace calvorin::formulas::TQPA
