#pragma once
// The sum of the terms of an arithmetic progression (TfrmSTPA).
#include "formulas/formula.h"

namespace calvorin::formulas::STPA {

struct Result {
    Real answer;   // (a1 + an) n / 2
    Report report; // the first and last terms, the number of terms, the sum
    Steps steps;
};

Result calculate(Typed<> a1, Typed<> an, Typed<> n);

} // namespace calvorin::formulas::STPA
