#pragma once
// Rule of three (TfrmRegra3): the missing one of four terms with x1 x4 = x2 x3.
#include "formulas/formula.h"

#include <array>

namespace calvorin::formulas::Regra3 {

struct Result {
    double answer; // the missing term, rounded to a double
    Steps steps;
};

// missing: the index (0 to 3) of the empty term, whose value in x is not read.
Result calculate(int missing, const std::array<Typed<>, 4>& x);

} // namespace calvorin::formulas::Regra3
