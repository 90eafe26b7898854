#pragma once
// Compound interest (TfrmJurosCompostos).
#include "formulas/formula.h"

namespace calvorin::formulas::JurosCompostos {

struct Result {
    Real answer;   // the amount, (0.01 i + 1)^t P
    Report report; // the initial value, the time, the rate, the amount
    Steps steps;
};

Result calculate(const Typed<>& t, const Typed<>& i, const Typed<>& P);

} // namespace calvorin::formulas::JurosCompostos
