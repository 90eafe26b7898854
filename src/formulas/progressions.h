#pragma once
// What the progression windows' worked solutions share.
#include "formulas/formula.h"

namespace calvorin::formulas::progressions {

// A number inside a relation, negative ones in brackets, so that "9 · (-2)" reads as a product.
inline std::string operand(const std::string& number) {
    return !number.empty() && number[0] == '-' ? "(" + number + ")" : number;
}
inline std::string operand(Real value) {
    return operand(show(value));
}

// An intermediate value: what it is, the operation with the numbers in, and what it comes to.
inline std::string equals(const std::string& name, const std::string& operation, Real result) {
    return name + " = " + operation + " = " + show(result);
}

} // namespace calvorin::formulas::progressions
