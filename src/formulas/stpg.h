#pragma once
// The sum of the first terms of a geometric progression (Tfrmstpg).
#include "formulas/formula.h"

namespace calvorin::formulas::stpg {

struct Result {
    Real answer; // (q^n - 1) a1 / (q - 1)
};

Result calculate(double a1, double n, double q);

} // namespace calvorin::formulas::stpg
