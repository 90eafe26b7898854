#pragma once
// Any term of an arithmetic progression (TfrmTQPA).
#include "formulas/formula.h"

namespace calvorin::formulas::TQPA {

struct Result {
    Real answer;   // the n-th term, a1 + (n - 1) r
    Report report; // the term, the first term, the difference, the term found
    Steps steps;
};

Result calculate(Typed<> n, Typed<> a1, Typed<> r);

} // namespace calvorin::formulas::TQPA
