#include "formulas/PontoReta.h"

namespace calvorin::formulas::PontoReta {

Result calculate(double a, double b, double c, double x0, double y0) {
    const Real ra = a, rb = b;
    // The numerator and the root are each stored as a double.
    Real s = (ra * x0 + rb * y0 + c).toDouble();
    if (s < 0) s = s * -1;
    const Real q = fpu::toDouble(fpu::sqrt((ra * ra + rb * rb).value()));
    return {s / q};
}

} // namespace calvorin::formulas::PontoReta
