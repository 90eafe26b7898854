#pragma once
// The greatest common divisor of two whole numbers by Euclid's algorithm (TfrmMDC).
#include "formulas/formula.h"

namespace calvorin::formulas::MDC {

struct Result {
    double answer; // the last non-zero remainder
};

Result calculate(double a, double b);

} // namespace calvorin::formulas::MDC
