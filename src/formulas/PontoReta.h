#pragma once
// The distance from a point to the straight line a·x + b·y + c = 0 (TfrmPontoReta).
#include "formulas/formula.h"

namespace calvorin::formulas::PontoReta {

struct Result {
    Real answer;   // the distance
    Report report; // the title and the distance
    Steps steps;
};

Result calculate(Typed<> a, Typed<> b, Typed<> c, Typed<> x0, Typed<> y0);

} // namespace calvorin::formulas::PontoReta
