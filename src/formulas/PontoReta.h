#pragma once
// The distance from a point to the straight line a·x + b·y + c = 0 (TfrmPontoReta).
#include "formulas/formula.h"

namespace calvorin::formulas::PontoReta {

struct Result {
    Real answer; // the distance
};

Result calculate(double a, double b, double c, double x0, double y0);

} // namespace calvorin::formulas::PontoReta
