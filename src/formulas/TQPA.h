#pragma once
// Any term of an arithmetic progression (TfrmTQPA).
#include "formulas/formula.h"

namespace calvorin::formulas::TQPA {

struct Result {
    Real answer; // the n-th term, a1 + (n - 1) r
};

Result calculate(double n, double a1, double r);

} // namespace calvorin::formulas::TQPA
