#pragma once
// The tool windows' formulas, apart from their widgets, so that each is tested by a table with no
// window at all. Plain C++ (no Qt), one header and unit per window, named after the window class
// without "Tfrm" (TQPA.h for TfrmTQPA), each a namespace of that name holding:
//  - struct Result: `answer`, the value the window displays, and any other value its display uses;
//    `report`, the lines the window records (its title, the inputs as typed, the answer as shown),
//    where the window records any; and `steps`, the worked solution;
//  - Result calculate(...): in, the inputs as the window converted them, in the window's order
//    (ToolWindow::typed(), as a double, or as Real where the window keeps the extended value). A
//    window with several calculations has one function for each, named for what it computes.
// Arithmetic goes through Real, so a fault raises the error that the window's error box shows, at
// the step where it happens. Validation and conversion stay in the window: it converts into locals
// first (a call's arguments are evaluated in no fixed order, and the first input that fails is the
// one the error box names), then makes the one call and hands its result to ToolWindow::conclude(),
// which displays `answer`, records `report` and publishes `steps`.
// The worked solution ("Resolução passo a passo") is built by the formula from the same values: the
// relation in the window's own symbols, the relation with the inputs substituted as typed (Typed
// carries the text), each intermediate value in the order computed, then the answer as the window
// shows it. Values are written with show(): the answer's own 15-digit display and separator.
#include "core/numbers.h"
#include "core/real.h"
#include "core/typed.h"

#include <string>

namespace calvorin::formulas {

// A value as the answer shows it: 15 significant digits, the system decimal separator.
inline std::string show(Real value) {
    return formatGeneral(value.value());
}

// A number inside a relation, a signed one in brackets, so that "9 · (-2)" reads as a product and
// "(-3)²" squares the -3. The converters take a typed "+5" as it is, so a plus sign counts too.
inline std::string operand(const std::string& number) {
    return !number.empty() && (number[0] == '-' || number[0] == '+') ? "(" + number + ")" : number;
}
inline std::string operand(Real value) {
    return operand(show(value));
}

// An intermediate value: what it is, the operation with the numbers in, and what it comes to.
inline std::string equals(const std::string& name, const std::string& operation, Real result) {
    return name + " = " + operation + " = " + show(result);
}

// The report of a calculation on two points: its title, "Ponto 1: x1,y1" and "Ponto 2: x2,y2" as
// typed, then the answer's line.
inline Report pointsReport(const std::string& title, const Typed<>& x1, const Typed<>& y1, const Typed<>& x2,
                           const Typed<>& y2, const std::string& answer) {
    return {title, "Ponto 1: " + x1.text + "," + y1.text, "Ponto 2: " + x2.text + "," + y2.text, answer};
}

} // namespace calvorin::formulas
