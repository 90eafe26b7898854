#pragma once
// The determinant of a 3 x 3 matrix by the rule of Sarrus (TfrmDeterminante).
#include "formulas/formula.h"

#include <array>

namespace calvorin::formulas::Determinante {

using Matrix = std::array<std::array<Typed<>, 3>, 3>; // [row][column]

struct Result {
    double answer; // computed extended, stored as a double
    Report report; // the rows as typed, the determinant
    Steps steps;   // Sarrus' six products and their sum
};

Result calculate(const Matrix& a);

} // namespace calvorin::formulas::Determinante
