#pragma once
// The number of terms of an arithmetic progression (TfrmNTPA).
#include "formulas/formula.h"

namespace calvorin::formulas::NTPA {

struct Result {
    Real answer;   // (a1 - an - r) / -r, that is (an - a1) / r + 1, not rounded
    Report report; // the first and last terms, the difference, the number of terms
    Steps steps;
};

Result calculate(Typed<> a1, Typed<> an, Typed<> r);

} // namespace calvorin::formulas::NTPA
