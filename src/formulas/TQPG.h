#pragma once
// Any term of a geometric progression (TfrmTQPG).
#include "formulas/formula.h"

namespace calvorin::formulas::TQPG {

struct Result {
    Real answer;   // q^(n - 1) a1
    Report report; // the term, the first term, the ratio, the term found
    Steps steps;
};

Result calculate(Typed<> a1, Typed<> n, Typed<> q);

} // namespace calvorin::formulas::TQPG
