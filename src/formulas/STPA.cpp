#include "formulas/STPA.h"

namespace calvorin::formulas::STPA {

Result calculate(double a1, double an, double n) {
    return {(Real(a1) + an) * n * 0.5};
}

} // namespace calvorin::formulas::STPA
