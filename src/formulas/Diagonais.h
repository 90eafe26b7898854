#pragma once
// The number of diagonals of a polygon (TfrmDiagonais).
#include "formulas/formula.h"

namespace calvorin::formulas::Diagonais {

struct Result {
    Real answer; // n × (n - 3) × 0.5
    Steps steps;
};

Result calculate(Typed<> n);

} // namespace calvorin::formulas::Diagonais
