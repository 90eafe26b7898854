#pragma once
// What the geometry windows' worked solutions share.
#include "formulas/formula.h"

namespace calvorin::formulas::geometry {

// A number inside a relation, negative ones in brackets, so that "(-3)²" squares the -3.
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

} // namespace calvorin::formulas::geometry
