#pragma once
// The sum of the interior angles of a polygon (TfrmSumAng).
#include "formulas/formula.h"

namespace calvorin::formulas::SumAng {

struct Result {
    Real answer; // the sum in degrees, (n - 2) × 180
    Steps steps;
};

Result calculate(Typed<> n);

} // namespace calvorin::formulas::SumAng
