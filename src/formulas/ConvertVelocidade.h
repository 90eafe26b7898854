#pragma once
// Speeds between km/h and m/s (TfrmConvertVelocidade).
#include "formulas/formula.h"

namespace calvorin::formulas::ConvertVelocidade {

enum class Direction { kmhToMs, msToKmh };

struct Result {
    Real answer;
    Report report; // the direction, then the speed and the answer with their units
    Steps steps;   // the conversion formula, the speed put in, the answer
};

Result calculate(Direction direction, const Typed<>& v);

} // namespace calvorin::formulas::ConvertVelocidade
