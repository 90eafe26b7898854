#pragma once
// The product of the terms of a geometric progression (Tfrmptpg).
#include "formulas/formula.h"

namespace calvorin::formulas::ptpg {

struct Result {
    Real answer; // the non-negative root of (a1 an)^n: a negative product shows as its magnitude
};

Result calculate(double a1, double an, double n);

} // namespace calvorin::formulas::ptpg
