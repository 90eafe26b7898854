#include "formulas/Distancia.h"

namespace calvorin::formulas::Distancia {

Result calculate(double x1, double x2, double y1, double y2) {
    const Real dx2 = power((Real(x1) - x2).value(), 2), dy2 = power((Real(y1) - y2).value(), 2);
    return {fpu::toDouble(fpu::sqrt((dx2 + dy2).value()))};
}

} // namespace calvorin::formulas::Distancia
