#pragma once
// Sum, difference and product of two 3 x 3 matrices (TfrmOperMatrizes).
#include "formulas/formula.h"

#include <array>

namespace calvorin::formulas::OperMatrizes {

using Matrix = std::array<std::array<double, 3>, 3>; // [row][column]

enum class Operation { add, subtract, multiply };

struct Result {
    Matrix answer; // every element computed extended and stored as a double
};

// Each element is stored before the next is computed, so an overflow raises before any is shown.
Result calculate(Operation operation, const Matrix& a, const Matrix& b);

} // namespace calvorin::formulas::OperMatrizes
