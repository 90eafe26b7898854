#pragma once
// The sum of the terms of an arithmetic progression (TfrmSTPA).
#include "formulas/formula.h"

namespace calvorin::formulas::STPA {

struct Result {
    Real answer; // (a1 + an) n / 2
};

Result calculate(double a1, double an, double n);

} // namespace calvorin::formulas::STPA
