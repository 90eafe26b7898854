#pragma once
// The distance between two points of the plane (TfrmDistancia).
#include "formulas/formula.h"

namespace calvorin::formulas::Distancia {

struct Result {
    Real answer;   // the distance, stored as a double
    Report report; // the points as typed, the distance
    Steps steps;
};

Result calculate(Typed<> x1, Typed<> x2, Typed<> y1, Typed<> y2);

} // namespace calvorin::formulas::Distancia
