#pragma once
// Factorials (TfrmFatoriais), and the descending product that the combinations share.
#include "formulas/formula.h"

namespace calvorin::formulas::Fatoriais {

// x (x - 1) (x - 2) ... down to the last factor above 1, every step stored as a double: x itself
// when x <= 2, except that the empty product of 0 is 1. Overflows from 171 on.
double descendingProduct(double x);

struct Result {
    double answer;
};

Result calculate(double x);

} // namespace calvorin::formulas::Fatoriais
