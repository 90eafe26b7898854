#pragma once
// Factorials (TfrmFatoriais), and the descending product that the combinations share.
#include "formulas/formula.h"

namespace calvorin::formulas::Fatoriais {

// kept as the program has always written it: a negative or fractional x still gets the descending product
// x (x - 1) (x - 2) ... down to the last factor above 1, every step stored as a double: x itself
// when x <= 2, except that the empty product of 0 is 1. Overflows from 171 on.
double descendingProduct(double x);
// The same product, each multiplication written out as a step ("20 · 3 = 60").
double descendingProduct(double x, Steps& steps);

// Whether x! is the factorial of mathematics: x a whole number, not negative.
bool natural(double x);

struct Result {
    double answer;
    Report report; // the number and its factorial
    Steps steps;
};

Result calculate(const Typed<>& x);

} // namespace calvorin::formulas::Fatoriais
