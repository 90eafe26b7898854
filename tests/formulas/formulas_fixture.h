#pragma once
// Inputs as the windows hand them to the formulas, and the decimal separator a row is written for.
#include "core/numbers.h"
#include "formulas/formula.h"

namespace calvorin::testing_formulas {

struct Separator {
    char saved = decimalSeparator();
    explicit Separator(char s) { setDecimalSeparator(s); }
    ~Separator() { setDecimalSeparator(saved); }
};

// An input by its value alone, for the answers.
inline formulas::Typed<> v(double x) {
    return {x, {}};
}

// An input as typed, converted with the separator in force; an empty text is 0.
inline formulas::Typed<> in(const char* text) {
    return {*text ? double(strToFloat(text)) : 0, text};
}

} // namespace calvorin::testing_formulas
