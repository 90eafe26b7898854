#pragma once
// Sum, difference and product of two 3 x 3 matrices (TfrmOperMatrizes).
#include "formulas/formula.h"

#include <array>

namespace calvorin::formulas::OperMatrizes {

template <class T> using Grid = std::array<std::array<T, 3>, 3>; // [row][column]
using Matrix = Grid<double>;
using Operands = Grid<Typed<>>;

enum class Operation { add, subtract, multiply };

struct Result {
    Matrix answer; // every element computed extended and stored as a double
    Report report; // the operation, both matrices as typed and the result as shown
    Steps steps;   // the element's rule, then each element of the result
};

// Each element is stored before the next is computed, so an overflow raises before any is shown.
Result calculate(Operation operation, const Operands& a, const Operands& b);

} // namespace calvorin::formulas::OperMatrizes
