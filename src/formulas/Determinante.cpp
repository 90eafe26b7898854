#include "formulas/Determinante.h"

namespace calvorin::formulas::Determinante {

Result calculate(const Matrix& m) {
    const Real a11 = m[0][0], a12 = m[0][1], a13 = m[0][2];
    const Real a21 = m[1][0], a22 = m[1][1], a23 = m[1][2];
    const Real a31 = m[2][0], a32 = m[2][1], a33 = m[2][2];
    const Real d = a11 * a22 * a33 + a12 * a23 * a31 + a13 * a21 * a32 - a13 * a22 * a31 - a12 * a21 * a33 -
                   a11 * a23 * a32;
    return {d.toDouble()};
}

} // namespace calvorin::formulas::Determinante
