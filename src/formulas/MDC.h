#pragma once
// The greatest common divisor of two whole numbers by Euclid's algorithm (TfrmMDC).
#include "formulas/formula.h"

namespace calvorin::formulas::MDC {

struct Result {
    double answer; // the last non-zero remainder
    Report report; // the two numbers, the divisor
    Steps steps;
};

Result calculate(const Typed<>& a, const Typed<>& b);

} // namespace calvorin::formulas::MDC
