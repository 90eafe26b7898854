#pragma once
// The slope of the straight line through two points (TfrmInclination).
#include "formulas/formula.h"

#include <optional>

namespace calvorin::formulas::Inclination {

// What the window shows for a vertical line, which has no slope.
// kept as the program has always written it: a vertical line answers "Divisão por 0!"
inline constexpr const char* vertical = "Divisão por 0!";

struct Result {
    std::optional<Real> answer; // none for a vertical line
    Report report;              // the points as typed, the slope as shown
    Steps steps;
};

Result calculate(Typed<> x1, Typed<> x2, Typed<> y1, Typed<> y2);

} // namespace calvorin::formulas::Inclination
