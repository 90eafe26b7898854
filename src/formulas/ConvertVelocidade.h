#pragma once
// Speeds between km/h and m/s (TfrmConvertVelocidade).
#include "formulas/formula.h"

namespace calvorin::formulas::ConvertVelocidade {

enum class Direction { kmhToMs, msToKmh };

struct Result {
    Real answer;
};

Result calculate(Direction direction, double v);

} // namespace calvorin::formulas::ConvertVelocidade
