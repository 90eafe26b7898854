#include "formulas/Inclination.h"

namespace calvorin::formulas::Inclination {

Result calculate(double x1, double x2, double y1, double y2) {
    const Real dx = Real(x1) - x2;
    if (dx == 0) return {};
    return {(Real(y1) - y2) / dx};
}

} // namespace calvorin::formulas::Inclination
