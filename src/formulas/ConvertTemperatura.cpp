#include "formulas/ConvertTemperatura.h"

namespace calvorin::formulas::ConvertTemperatura {

namespace {
// The converter's constants, at extended precision.
const Real a18 = 1.8L, a27315 = 273.15L, a45967 = 459.67L;
const Real oneNinth = 1.0L / 9, fiveNinths = 5.0L / 9;
} // namespace

Result calculate(Scale from, Scale to, Real value) {
    switch (from) {
    case Scale::celsius:
        return {to == Scale::fahrenheit ? value * a18 + 32 : to == Scale::kelvin ? value + a27315 : value};
    case Scale::fahrenheit:
        return {to == Scale::celsius  ? (value - 32) * 5 * oneNinth
                : to == Scale::kelvin ? (value + a45967) * fiveNinths
                                      : value};
    case Scale::kelvin:
        return {to == Scale::celsius      ? value - a27315
                : to == Scale::fahrenheit ? value * a18 - a45967
                                          : value};
    }
    return {value};
}

} // namespace calvorin::formulas::ConvertTemperatura
