#pragma once
// The heat a body exchanges: specific heat times mass times the change of temperature (TfrmCalorias).
#include "formulas/formula.h"

namespace calvorin::formulas::Calorias {

struct Result {
    Real answer; // Q = c m (Tf - Ti)
};

Result calculate(double c, double m, double ti, double tf);

} // namespace calvorin::formulas::Calorias
