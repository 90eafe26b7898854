#pragma once
// The sum of the first terms of a geometric progression (Tfrmstpg).
#include "formulas/formula.h"

namespace calvorin::formulas::stpg {

struct Result {
    Real answer;   // (q^n - 1) a1 / (q - 1)
    Report report; // the first term, the number of terms, the ratio, the sum
    Steps steps;
};

Result calculate(Typed<> a1, Typed<> n, Typed<> q);

} // namespace calvorin::formulas::stpg
