#include "formulas/Trigonometria.h"

#include <cmath>
#include <numbers>

namespace calvorin::formulas::Trigonometria {

namespace {
// The unit's sine and cosine give 0 beyond their range of 2^63.
Extended sine(Extended r) {
    return std::fabs(r) >= 0x1p63L ? 0 : fpu::sin(r);
}
Extended cosine(Extended r) {
    return std::fabs(r) >= 0x1p63L ? 0 : fpu::cos(r);
}
} // namespace

const std::array<Function, 6> functions{{
    {"Cosecante", sine, true},
    {"Coseno", cosine, false},
    {"Cotangente", fpu::tan, true},
    {"Secante", cosine, true},
    {"Seno", sine, false},
    {"Tangente", fpu::tan, false},
}};

Result calculate(int function, double x, bool degrees) {
    const Function& f = functions.at(function);
    // Degrees go through the full extended pi, so that the special angles come out exact.
    const Extended r = degrees ? (Real(1) / 180 * std::numbers::pi_v<Extended> * x).toDouble() : x;
    const Real value = f.base(r);
    return {f.reciprocal ? 1 / value : value};
}

} // namespace calvorin::formulas::Trigonometria
