#pragma once
// The six trigonometric functions of an angle in degrees or radians (TfrmTrigonometria).
#include "formulas/formula.h"

#include <array>

namespace calvorin::formulas::Trigonometria {

// A function: its item in the window's list (the program's own spelling), its name in the worked
// solution and its symbol, and the sine, cosine or tangent it is, or whose reciprocal it is.
struct Function {
    const char* item;
    const char* name;
    const char* symbol;
    const char* baseSymbol;
    Extended (*base)(Extended r);
    bool reciprocal;
    int pole; // no value at pole + k · 180 degrees; -1: a value everywhere
};
// In the window's sorted list's order, so an item's index picks its function.
extern const std::array<Function, 6> functions;

struct Result {
    Real answer; // the function's value
    Steps steps;
};

// The function numbered `function` (its index in `functions`) of the angle x, in degrees or radians.
Result calculate(int function, Typed<> x, bool degrees);

} // namespace calvorin::formulas::Trigonometria
