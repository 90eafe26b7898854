#pragma once
// The product of the terms of a geometric progression (Tfrmptpg).
#include "formulas/formula.h"

namespace calvorin::formulas::ptpg {

struct Result {
    Real answer;   // the non-negative root of (a1 an)^n: a negative product shows as its magnitude
    Report report; // the first and last terms, the number of terms, the product
    Steps steps;
};

Result calculate(Typed<> a1, Typed<> an, Typed<> n);

} // namespace calvorin::formulas::ptpg
