#pragma once
// The distance between two points of the plane (TfrmDistancia).
#include "formulas/formula.h"

namespace calvorin::formulas::Distancia {

struct Result {
    Real answer; // the distance, stored as a double
};

Result calculate(double x1, double x2, double y1, double y2);

} // namespace calvorin::formulas::Distancia
