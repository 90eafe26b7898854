#include "formulas/Calorias.h"
#include "formulas/ConvertTemperatura.h"
#include "formulas/ConvertVelocidade.h"
#include "formulas/Determinante.h"
#include "formulas/OperMatrizes.h"

#include <gtest/gtest.h>

using namespace calvorin;
using namespace calvorin::formulas;

namespace {

// Values compared as the windows show them.
std::string shown(Real value) { return formatGeneral(value.value(), ','); }

using Matrix = OperMatrizes::Matrix;
const Matrix ascending{{{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}}, descending{{{9, 8, 7}, {6, 5, 4}, {3, 2, 1}}};
const Matrix identity{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
const Matrix big{{{1e200, 1, 1}, {1, 1, 1}, {1, 1, 1}}};

// clang-format off
TEST(OperMatrizes, EachElementByTheOperation) {
    using enum OperMatrizes::Operation;
    const struct { OperMatrizes::Operation operation; Matrix a, b, r; } rows[] = {
        {add, ascending, descending, {{{10, 10, 10}, {10, 10, 10}, {10, 10, 10}}}},
        {subtract, ascending, descending, {{{-8, -6, -4}, {-2, 0, 2}, {4, 6, 8}}}},
        {multiply, ascending, descending, {{{30, 24, 18}, {84, 69, 54}, {138, 114, 90}}}},
        {multiply, identity, descending, descending}, // A·B, not B·A
        {add, big, big, {{{2e200, 2, 2}, {2, 2, 2}, {2, 2, 2}}}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(OperMatrizes::calculate(row.operation, row.a, row.b).answer, row.r);
    // a product beyond the double range overflows when it is stored
    EXPECT_THROW(OperMatrizes::calculate(multiply, big, big), Overflow);
}

TEST(Determinante, RuleOfSarrus) {
    const struct { Matrix a; double d; } rows[] = {
        {ascending, 0},
        {{{{2, 0, 0}, {0, 3, 0}, {0, 0, 4}}}, 24},
        {{{{1, 2, 3}, {0, 1, 4}, {5, 6, 0}}}, 1},
        {{{{0, 1, 0}, {1, 0, 0}, {0, 0, 1}}}, -1}, // rows swapped: the sign changes
        {{{{-2, 3, 1}, {0.5, -1, 4}, {2, 0, -3}}}, 24.5},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Determinante::calculate(row.a).answer, row.d);
    EXPECT_THROW(Determinante::calculate({{{1e200, 0, 0}, {0, 1e200, 0}, {0, 0, 1}}}), Overflow);
}

TEST(ConvertTemperatura, BetweenTheThreeScales) {
    using enum ConvertTemperatura::Scale;
    const struct { ConvertTemperatura::Scale from; Extended value; const char* on[3]; } rows[] = {
        {celsius, 100, {"100", "212", "373,15"}},
        {celsius, -40, {"-40", "-40", "233,15"}},
        {celsius, -273.15L, {"-273,15", "-459,67", "0"}},
        {fahrenheit, 32, {"0", "32", "273,15"}},
        {fahrenheit, 98.6L, {"37", "98,6", "310,15"}},
        {fahrenheit, -459.67L, {"-273,15", "-459,67", "0"}},
        {kelvin, 0, {"-273,15", "-459,67", "0"}},
        {kelvin, 1e4932L, {"1E4932", nullptr, "1E4932"}}, // nullptr: overflows
    };
    for (const auto& row : rows)
        for (auto to : {celsius, fahrenheit, kelvin}) {
            if (to == row.from) continue;
            if (const char* want = row.on[static_cast<int>(to)])
                EXPECT_EQ(shown(ConvertTemperatura::calculate(row.from, to, row.value).answer), want);
            else
                EXPECT_THROW(ConvertTemperatura::calculate(row.from, to, row.value), Overflow);
        }
}

TEST(ConvertVelocidade, KmhAndMs) {
    using enum ConvertVelocidade::Direction;
    const struct { ConvertVelocidade::Direction direction; double v; const char* answer; } rows[] = {
        {kmhToMs, 100, "27,7777777777778"}, {kmhToMs, 36, "10"}, {msToKmh, 100, "360"},
        {msToKmh, -2.5, "-9"}, {msToKmh, 1e308, "3,6E308"}, // kept extended
    };
    for (const auto& row : rows)
        EXPECT_EQ(shown(ConvertVelocidade::calculate(row.direction, row.v).answer), row.answer);
}

TEST(Calorias, HeatExchanged) {
    const struct { double c, m, ti, tf; const char* q; } rows[] = {
        {1, 100, 20, 80, "6000"},
        {0.5, 10, 30, 10, "-100"}, // cooling gives heat off
        {1e308, 1e308, 0, 1e308, "1E924"}, // kept extended
    };
    for (const auto& row : rows)
        EXPECT_EQ(shown(Calorias::calculate(row.c, row.m, row.ti, row.tf).answer), row.q);
}
// clang-format on

} // namespace
