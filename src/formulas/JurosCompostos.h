#pragma once
// Compound interest (TfrmJurosCompostos).
#include "formulas/formula.h"

namespace calvorin::formulas::JurosCompostos {

struct Result {
    Real answer; // the amount, (0.01 i + 1)^t P
};

Result calculate(double t, double i, double P);

} // namespace calvorin::formulas::JurosCompostos
