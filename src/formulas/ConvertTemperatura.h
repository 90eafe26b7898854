#pragma once
// One temperature from one scale to another: Celsius, Fahrenheit, Kelvin (TfrmConvertTemperatura).
#include "formulas/formula.h"

namespace calvorin::formulas::ConvertTemperatura {

enum class Scale { celsius, fahrenheit, kelvin };

struct Result {
    Real answer; // the value on the scale `to`
    Steps steps; // the conversion formula, the value put in, and the value with its unit
};

// The window converts to the two other scales one after the other, showing each before the next
// is computed, so each is a call of its own.
Result calculate(Scale from, Scale to, const Typed<Real>& value);

} // namespace calvorin::formulas::ConvertTemperatura
