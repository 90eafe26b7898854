#pragma once
// Simple combinations (TfrmCombinations): the groups of p elements chosen from n.
#include "formulas/formula.h"

namespace calvorin::formulas::Combinations {

struct Result {
    Real answer;   // n! / (p! (n - p)!), each factorial the descending product
    Report report; // the number of elements, the size of the groups, the answer
    Steps steps;
};

Result calculate(const Typed<>& n, const Typed<>& p);

} // namespace calvorin::formulas::Combinations
