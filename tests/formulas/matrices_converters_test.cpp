#include "formulas/Calorias.h"
#include "formulas/ConvertTemperatura.h"
#include "formulas/ConvertVelocidade.h"
#include "formulas/Determinante.h"
#include "formulas/OperMatrizes.h"

#include "formulas_fixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

using namespace calvorin;
using namespace calvorin::formulas;
using namespace calvorin::testing_formulas;

namespace {

Typed<Real> extended(const char* text) {
    return {strToFloat(text), text};
}
// A 3 x 3 grid typed row by row, "/" between rows.
OperMatrizes::Operands grid(std::string rows) {
    std::replace(rows.begin(), rows.end(), '/', ' ');
    std::istringstream words(rows);
    OperMatrizes::Operands grid;
    for (int n = 0; n < 9; ++n) {
        std::string word;
        words >> word;
        grid[n / 3][n % 3] = {double(strToFloat(word)), word};
    }
    return grid;
}
// Values compared as the windows show them.
std::string shown(Real value) {
    return formatGeneral(value.value(), ',');
}

const char *const ascending = "1 2 3/4 5 6/7 8 9", *const descending = "9 8 7/6 5 4/3 2 1";
const char *const identity = "1 0 0/0 1 0/0 0 1", *const big = "1E200 1 1/1 1 1/1 1 1";

// clang-format off
TEST(OperMatrizes, EachElementByTheOperation) {
    using enum OperMatrizes::Operation;
    const struct { OperMatrizes::Operation operation; const char *a, *b; OperMatrizes::Matrix r; } rows[] = {
        {add, ascending, descending, {{{10, 10, 10}, {10, 10, 10}, {10, 10, 10}}}},
        {subtract, ascending, descending, {{{-8, -6, -4}, {-2, 0, 2}, {4, 6, 8}}}},
        {multiply, identity, descending, {{{9, 8, 7}, {6, 5, 4}, {3, 2, 1}}}}, // A·B, not B·A
        {add, big, big, {{{2e200, 2, 2}, {2, 2, 2}, {2, 2, 2}}}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(OperMatrizes::calculate(row.operation, grid(row.a), grid(row.b)).answer, row.r);
}

TEST(Determinante, RuleOfSarrus) {
    const struct { const char* a; double d; } rows[] = {
        {ascending, 0}, {"1 2 3/0 1 4/5 6 0", 1},
        {"0 1 0/1 0 0/0 0 1", -1}, // rows swapped: the sign changes
        {"-2 3 1/0.5 -1 4/2 0 -3", 24.5},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Determinante::calculate(grid(row.a)).answer, row.d);
}

TEST(ConvertTemperatura, BetweenTheThreeScales) {
    using enum ConvertTemperatura::Scale;
    const struct { ConvertTemperatura::Scale from; const char* value; const char* on[3]; } rows[] = {
        {celsius, "-40", {"-40", "-40", "233,15"}},
        {celsius, "-273.15", {"-273,15", "-459,67", "0"}},
        {fahrenheit, "32", {"0", "32", "273,15"}},
        {fahrenheit, "98.6", {"37", "98,6", "310,15"}},
        {kelvin, "0", {"-273,15", "-459,67", "0"}},
        {kelvin, "1E4932", {"1E4932", nullptr, "1E4932"}}, // nullptr: overflows
    };
    for (const auto& row : rows)
        for (auto to : {celsius, fahrenheit, kelvin}) {
            if (to == row.from) continue;
            if (const char* want = row.on[static_cast<int>(to)])
                EXPECT_EQ(shown(ConvertTemperatura::calculate(row.from, to, extended(row.value)).answer), want);
            else
                EXPECT_THROW(ConvertTemperatura::calculate(row.from, to, extended(row.value)), Overflow);
        }
}

TEST(ConvertVelocidade, KmhAndMs) {
    using enum ConvertVelocidade::Direction;
    const struct { ConvertVelocidade::Direction direction; const char *v, *answer; } rows[] = {
        {kmhToMs, "36", "10"}, {msToKmh, "1E308", "3,6E308"}, // kept extended
    };
    for (const auto& row : rows)
        EXPECT_EQ(shown(ConvertVelocidade::calculate(row.direction, in(row.v)).answer), row.answer);
}

TEST(Calorias, HeatKeptExtended) {
    EXPECT_EQ(shown(Calorias::calculate(in("1E308"), in("1E308"), in("0"), in("1E308")).answer), "1E924");
}

// The worked solutions, inputs as typed under the separator; lines split at "|".
TEST(MatricesConverters, Steps) {
    using enum OperMatrizes::Operation;
    using enum ConvertTemperatura::Scale;
    using enum ConvertVelocidade::Direction;
    const struct { const char* window; char separator; std::function<Steps()> steps; const char* lines; } rows[] = {
        {"TfrmOperMatrizes", ',', [] { return OperMatrizes::calculate(multiply, grid(ascending), grid(descending)).steps; },
         "Rij = Ai1·B1j + Ai2·B2j + Ai3·B3j|R11 = 1·9 + 2·6 + 3·3 = 30|R12 = 1·8 + 2·5 + 3·2 = 24|"
         "R13 = 1·7 + 2·4 + 3·1 = 18|R21 = 4·9 + 5·6 + 6·3 = 84|R22 = 4·8 + 5·5 + 6·2 = 69|R23 = 4·7 + 5·4 + 6·1 = 54|"
         "R31 = 7·9 + 8·6 + 9·3 = 138|R32 = 7·8 + 8·5 + 9·2 = 114|R33 = 7·7 + 8·4 + 9·1 = 90|"
         "Resultado:|30 24 18|84 69 54|138 114 90"},
        {"TfrmOperMatrizes", '.', [] { return OperMatrizes::calculate(subtract, grid("0.5 -1 0/0 0 0/0 0 1.25"), grid("-0.25 2 0/0 0 0/0 0 1")).steps; },
         "Rij = Aij - Bij|R11 = 0.5 - (-0.25) = 0.75|R12 = (-1) - 2 = -3|R13 = 0 - 0 = 0|R21 = 0 - 0 = 0|"
         "R22 = 0 - 0 = 0|R23 = 0 - 0 = 0|R31 = 0 - 0 = 0|R32 = 0 - 0 = 0|R33 = 1.25 - 1 = 0.25|"
         "Resultado:|0.75 -3 0|0 0 0|0 0 0.25"},
        {"TfrmDeterminante", ',', [] { return Determinante::calculate(grid("-2 3 1/0,5 -1 4/2 0 -3")).steps; },
         "det = a11·a22·a33 + a12·a23·a31 + a13·a21·a32 - a13·a22·a31 - a12·a21·a33 - a11·a23·a32|"
         "det = (-2)·(-1)·(-3) + 3·4·2 + 1·0,5·0 - 1·(-1)·2 - 3·0,5·(-3) - (-2)·4·0|"
         "a11·a22·a33 = (-2)·(-1)·(-3) = -6|a12·a23·a31 = 3·4·2 = 24|a13·a21·a32 = 1·0,5·0 = 0|"
         "a13·a22·a31 = 1·(-1)·2 = -2|a12·a21·a33 = 3·0,5·(-3) = -4,5|a11·a23·a32 = (-2)·4·0 = 0|"
         "det = (-6) + 24 + 0 - (-2) - (-4,5) - 0 = 24,5|Resposta: 24,5"},
        {"TfrmConvertTemperatura", ',', [] { return ConvertTemperatura::calculate(celsius, fahrenheit, extended("-40")).steps; },
         "F = C · 1,8 + 32|F = (-40) · 1,8 + 32|(-40) · 1,8 = -72|(-72) + 32 = -40|F = -40 °F"},
        {"TfrmConvertTemperatura", ',', [] { return ConvertTemperatura::calculate(celsius, kelvin, extended("36,6")).steps; },
         "K = C + 273,15|K = 36,6 + 273,15|36,6 + 273,15 = 309,75|K = 309,75 K"},
        {"TfrmConvertTemperatura", ',', [] { return ConvertTemperatura::calculate(fahrenheit, celsius, extended("98,6")).steps; },
         "C = (F - 32) · 5 / 9|C = (98,6 - 32) · 5 / 9|98,6 - 32 = 66,6|66,6 · 5 = 333|333 / 9 = 37|C = 37 °C"},
        {"TfrmConvertTemperatura", '.', [] { return ConvertTemperatura::calculate(fahrenheit, kelvin, extended("98.6")).steps; },
         "K = (F + 459.67) · 5 / 9|K = (98.6 + 459.67) · 5 / 9|98.6 + 459.67 = 558.27|558.27 · 5 / 9 = 310.15|"
         "K = 310.15 K"},
        {"TfrmConvertTemperatura", ',', [] { return ConvertTemperatura::calculate(kelvin, celsius, extended("0")).steps; },
         "C = K - 273,15|C = 0 - 273,15|0 - 273,15 = -273,15|C = -273,15 °C"},
        {"TfrmConvertTemperatura", ',', [] { return ConvertTemperatura::calculate(kelvin, fahrenheit, extended("300")).steps; },
         "F = K · 1,8 - 459,67|F = 300 · 1,8 - 459,67|300 · 1,8 = 540|540 - 459,67 = 80,33|F = 80,33 °F"},
        {"TfrmConvertVelocidade", ',', [] { return ConvertVelocidade::calculate(kmhToMs, in("72")).steps; },
         "v (m/s) = v (km/h) / 3,6|v = 72 km/h = (72 / 3,6) m/s|72 / 3,6 = 20|Resposta: 20 m/s"},
        {"TfrmConvertVelocidade", '.', [] { return ConvertVelocidade::calculate(msToKmh, in("-2.5")).steps; },
         "v (km/h) = v (m/s) · 3.6|v = -2.5 m/s = ((-2.5) · 3.6) km/h|(-2.5) · 3.6 = -9|Resposta: -9 km/h"},
        {"TfrmCalorias", ',', [] { return Calorias::calculate(in("0,22"), in("500"), in("-10"), in("20")).steps; },
         "Q = c · m · (Tf - Ti)|Q = 0,22 · 500 · (20 - (-10))|c · m = 0,22 · 500 = 110|Tf - Ti = 20 - (-10) = 30 °C|"
         "Q = 110 · 30 = 3300|Resposta: 3300 cal, se c estiver em cal/(g·°C) e m em g"},
        {"TfrmCalorias", '.', [] { return Calorias::calculate(in("1"), in("250"), in("80"), in("20.5")).steps; },
         "Q = c · m · (Tf - Ti)|Q = 1 · 250 · (20.5 - 80)|c · m = 1 · 250 = 250|Tf - Ti = 20.5 - 80 = -59.5 °C|"
         "Q = 250 · (-59.5) = -14875|Resposta: -14875 cal, se c estiver em cal/(g·°C) e m em g"},
    };
    for (const auto& row : rows) {
        Separator separator(row.separator);
        Steps lines;
        std::istringstream text(row.lines);
        for (std::string line; std::getline(text, line, '|');)
            lines.push_back(line);
        EXPECT_EQ(row.steps(), lines) << row.window << " " << row.lines;
    }
}
// clang-format on

// clang-format off
// The report lines: the inputs as typed, the answer as shown. Nothing for the temperatures. A
// matrix's row is joined by commas whatever the separator.
TEST(MatricesConverters, Reports) {
    using enum OperMatrizes::Operation;
    using enum ConvertVelocidade::Direction;
    expectReports({
        {[] { return OperMatrizes::calculate(multiply, grid(ascending), grid(descending)).report; },
         "Multiplicação de matrizes|Matriz 1|1,2,3|4,5,6|7,8,9|Matriz 2|9,8,7|6,5,4|3,2,1|Resultado:|30,24,18|84,69,54|138,114,90", ','},
        {[] { return OperMatrizes::calculate(add, grid(identity), grid(identity)).report; },
         "Adição de matrizes|Matriz 1|1,0,0|0,1,0|0,0,1|Matriz 2|1,0,0|0,1,0|0,0,1|Resultado:|2,0,0|0,2,0|0,0,2", ','},
        {[] { return OperMatrizes::calculate(subtract, grid("0.5 0 0/0 0 0/0 0 -1"), grid("1 0 0/0 0 0/0 0 -1")).report; },
         "Subtração de matrizes|Matriz 1|0.5,0,0|0,0,0|0,0,-1|Matriz 2|1,0,0|0,0,0|0,0,-1|Resultado:|-0.5,0,0|0,0,0|0,0,0", '.'},
        {[] { return Determinante::calculate(grid(localText("0,5 0 0/0 1 0/0 0 -1"))).report; },
         "Cálculo do determinante de uma matrix 3x3|Matriz:|0,5 0 0|0 1 0|0 0 -1|Determinante = -0,5"},
        {[] { return ConvertVelocidade::calculate(kmhToMs, local("100")).report; }, "Transformando km/h para m/seg|100 Km/h =27,7777777777778 m/seg"},
        {[] { return ConvertVelocidade::calculate(msToKmh, local("2,5")).report; }, "Transformando m/seg para Km/h|2,5 m/seg = 9 Km/h"},
        {[] { return Calorias::calculate(local("0,5"), local("10"), local("30"), local("10")).report; },
         "Calculando número de calorias gastas|Calor específico: 0,5|Massa: 10|Temperatura inicial: 30|Temperatura final: 10|Resposta: -100"},
    });
}
// clang-format on

} // namespace
