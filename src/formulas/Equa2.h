#pragma once
// Second-degree equations a·x² + b·x + c = 0 (TfrmEqua2): the discriminant, the two real roots and
// the vertex of the parabola. Unlike the other formulas, in stages: the window acts between them.
#include "formulas/formula.h"

namespace calvorin::formulas::Equa2 {

// What both root labels show when Δ < 0.
inline constexpr const char* noRoots = "Sem raízes reais!";

struct Result {
    double a = 0, b = 0, c = 0;
    double delta = 0;      // Δ = b² - 4·a·c, stored as a double
    Real root1, root2;     // when Δ >= 0: (-b + √Δ) / (2·a), then (-b - √Δ) / (2·a)
    double xv = 0, yv = 0; // the vertex, from the roots as they are shown
    std::string equation;  // as the plotter reads it, from the coefficients as typed
    Report report;         // the equation, then the roots as shown or that there are none
    Steps steps;
};

// Three stages, because the window does something between them that an error must find done:
// it clears the graph after Δ, and shows the roots before the vertex. Each stage adds its values
// and its steps; with Δ < 0 the first already ends the steps with noRoots. The report is complete
// after the roots (or after Δ < 0); the window records it once the last stage has ended well.
Result discriminant(const Typed<>& a, const Typed<>& b, const Typed<>& c);
void roots(Result& r);
void vertex(Result& r);

} // namespace calvorin::formulas::Equa2
