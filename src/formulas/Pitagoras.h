#pragma once
// The metric relations of a right triangle (TfrmPitagoras): a the hypotenuse, b and c the legs,
// h the altitude on the hypotenuse, m and n the projections of b and c.
#include "formulas/formula.h"

#include <array>

namespace calvorin::formulas::Pitagoras {

// How a relation yields its length from the inputs t1, t2, t3 (indices p, q, r into them).
enum class Kind {
    sumOfSquares,        // √(tp² + tq²)
    differenceOfSquares, // √(tp² - tq²)
    rootOfProduct,       // √(tp × tq)
    productOverInput,    // tp × tq ÷ tr
    squareOverInput,     // tp² ÷ tq
};

// One relation: the side it finds, its text in the window's list, the lengths txt1..txt3 hold
// ("" when unused) and how it is computed.
struct Relation {
    char side;
    const char* text;
    const char* inputs[3];
    Kind kind;
    int p, q, r;
};
// Numbered from 1 in this order.
extern const std::array<Relation, 22> relations;

struct Result {
    Real answer;   // the length found
    Report report; // the side chosen, the expression as the list shows it, the length
    Steps steps;
};

// The relation numbered `number` (1 to 22) on the inputs t1, t2, t3 (t3 is 0 when left empty). The
// side chosen (its option's caption, "" when none is) and the list's text go to the report only.
Result calculate(int number, Typed<> t1, Typed<> t2, Typed<> t3, const std::string& chosen = {},
                 const std::string& expression = {});

// The report's lines, also for a click with no relation chosen, which records the answer as it was.
Report report(const std::string& chosen, const std::string& expression, const std::string& answer);

} // namespace calvorin::formulas::Pitagoras
