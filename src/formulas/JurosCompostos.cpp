#include "formulas/JurosCompostos.h"

namespace calvorin::formulas::JurosCompostos {

Result calculate(double t, double i, double P) {
    const Real rate = Real(0.01L) * i + 1; // the extended 0.01, not the double nearest it
    return {power(rate.value(), t) * Real(P)};
}

} // namespace calvorin::formulas::JurosCompostos
