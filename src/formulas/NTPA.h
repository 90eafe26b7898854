#pragma once
// The number of terms of an arithmetic progression (TfrmNTPA).
#include "formulas/formula.h"

namespace calvorin::formulas::NTPA {

struct Result {
    Real answer; // (a1 - an - r) / -r, that is (an - a1) / r + 1, not rounded
};

Result calculate(double a1, double an, double r);

} // namespace calvorin::formulas::NTPA
