#pragma once
// The heat a body exchanges: specific heat times mass times the change of temperature (TfrmCalorias).
#include "formulas/formula.h"

namespace calvorin::formulas::Calorias {

struct Result {
    Real answer;   // Q = c m (Tf - Ti)
    Report report; // the four inputs, the heat
    Steps steps;
};

Result calculate(const Typed<>& c, const Typed<>& m, const Typed<>& ti, const Typed<>& tf);

} // namespace calvorin::formulas::Calorias
