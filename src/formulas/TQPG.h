#pragma once
// Any term of a geometric progression (TfrmTQPG).
#include "formulas/formula.h"

namespace calvorin::formulas::TQPG {

struct Result {
    Real answer; // q^(n - 1) a1
};

Result calculate(double a1, double n, double q);

} // namespace calvorin::formulas::TQPG
