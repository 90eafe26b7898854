#include "formulas/NTPA.h"
#include "formulas/STPA.h"
#include "formulas/TQPA.h"
#include "formulas/TQPG.h"
#include "formulas/ptpg.h"
#include "formulas/stpg.h"

#include "formulas_fixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>

using namespace calvorin;
using namespace calvorin::formulas;
using namespace calvorin::testing_formulas;

namespace {

// Each formula by its window's name: its answer and worked solution from three inputs in the
// window's order.
struct Outcome {
    Real answer;
    Steps steps;
};
using Formula = std::function<Outcome(Typed<>, Typed<>, Typed<>)>;
template <class Result> Outcome outcome(const Result& r) {
    return {r.answer, r.steps};
}
const std::map<std::string, Formula> formula = {
    {"TQPA", [](auto n, auto a1, auto r) { return outcome(TQPA::calculate(n, a1, r)); }},
    {"NTPA", [](auto a1, auto an, auto r) { return outcome(NTPA::calculate(a1, an, r)); }},
    {"STPA", [](auto a1, auto an, auto n) { return outcome(STPA::calculate(a1, an, n)); }},
    {"TQPG", [](auto a1, auto n, auto q) { return outcome(TQPG::calculate(a1, n, q)); }},
    {"stpg", [](auto a1, auto n, auto q) { return outcome(stpg::calculate(a1, n, q)); }},
    {"ptpg", [](auto a1, auto an, auto n) { return outcome(ptpg::calculate(a1, an, n)); }},
};

// Three inputs and what the formula gives: the answer as the window shows it with a full stop, or
// the error box's text.
struct Row {
    const char* formula;
    double x, y, z;
    std::string outcome;
};

std::string answer(const Row& row) {
    try {
        return formatGeneral(formula.at(row.formula)(v(row.x), v(row.y), v(row.z)).answer.value(), '.');
    } catch (const MathError& e) {
        return e.what();
    }
}

// clang-format off
TEST(TQPA, AnyTermOfAnArithmeticProgression) {
    const struct {
        double n, a1, r;
        Extended term;
    } rows[] = {
        {10, 3, 2, 21}, {-3, 7, -1, 11}, {0.5, 1, 0.25, 0.875L},
        {1, 5, 123, 5}, // the first term whatever the difference
        {0, 5, 2, 3},   // terms before the first follow the same rule
        {2.5, 0, 2, 3}, // a number of terms that is no whole number is taken as it is
        {0x1p600, 0, 0x1p600, 0x1p1200L}, // beyond the double range: the term stays extended
    };
    for (const auto& row : rows)
        EXPECT_EQ(TQPA::calculate(v(row.n), v(row.a1), v(row.r)).answer.value(), row.term)
            << row.n << " " << row.a1 << " " << row.r;
}

const char* const invalid = "Invalid floating point operation";
const char* const byZero = "Floating point division by zero";

TEST(Progressions, FormulasInTheirWindowsOrder) {
    const Row rows[] = {
        // number of terms, a1 an r: (an - a1) / r + 1, not rounded, negative as it comes
        {"NTPA", 4, 4, 3, "1"}, {"NTPA", 10, 1, 2, "-3.5"}, {"NTPA", 1, 3, 3, "1.66666666666667"},
        {"NTPA", 3, 3, 0, invalid}, {"NTPA", 3, 3, -0.0, invalid}, // 0 / 0
        // sum, a1 an n: the number of terms enters unchanged
        {"STPA", 1, 100, 0, "0"}, {"STPA", 1, 2, -3, "-4.5"}, {"STPA", 0.5, -0.25, 3, "0.375"},
        {"STPA", 1e308, 1e308, 1, "1E308"}, // the sum passes the double range in extended precision
        // any term of a PG, a1 n q
        {"TQPG", 5, 1, 0, "5"}, // 0 to the power 0 is 1
        {"TQPG", 1, 4, -2, "-8"},
        {"TQPG", 1, 2.5, -2, invalid}, // a negative ratio to a fractional power
        // sum of a PG, a1 n q
        {"stpg", 3, 0, 2, "0"}, {"stpg", 1, 0.5, -2, invalid}, {"stpg", 1, 3, -0.5, "0.75"},
        // product of a PG, a1 an n: the non-negative root
        {"ptpg", 1, 8, 4, "64"}, {"ptpg", -1, 8, 0.5, invalid},
    };
    for (const Row& row : rows)
        EXPECT_EQ(answer(row), row.outcome) << row.formula << " " << row.x << " " << row.y << " " << row.z;
}

// The worked solutions, from the inputs as typed under the decimal separator.
TEST(Progressions, WorkedSolutions) {
    const struct {
        const char* formula;
        char separator;
        const char* typed[3];
        Steps steps;
    } rows[] = {
        {"TQPA", ',', {"5", "-3", "-2"},
         {"an = a1 + (n - 1) · r", "an = (-3) + (5 - 1) · (-2)", "n - 1 = 5 - 1 = 4", "(n - 1) · r = 4 · (-2) = -8", "an = (-3) + (-8) = -11"}},
        {"NTPA", ',', {"1", "-8", "-2"}, // 1, -1, -3, -5, -7: -8 is never reached
         {"n = (an - a1) / r + 1 = (a1 - an - r) / (-r)", "n = (1 - (-8) - (-2)) / (-(-2))", "a1 - an = 1 - (-8) = 9", "a1 - an - r = 9 - (-2) = 11", "n = 11 / 2 = 5,5"}},
        {"STPA", ',', {"1", "100", "100"},
         {"Sn = (a1 + an) · n / 2", "Sn = (1 + 100) · 100 / 2", "a1 + an = 1 + 100 = 101", "(a1 + an) · n = 101 · 100 = 10100", "Sn = 10100 / 2 = 5050"}},
        {"TQPG", ',', {"1", "4", "-2"},
         {"an = a1 · q^(n - 1)", "an = 1 · (-2)^(4 - 1)", "n - 1 = 4 - 1 = 3", "q^(n - 1) = (-2)^3 = -8", "an = 1 · (-8) = -8"}},
        {"TQPG", ',', {"5", "0", "2"}, // the term before the first
         {"an = a1 · q^(n - 1)", "an = 5 · 2^(0 - 1)", "n - 1 = 0 - 1 = -1", "q^(n - 1) = 2^(-1) = 0,5", "an = 5 · 0,5 = 2,5"}},
        {"stpg", '.', {"3", "4", "-0.5"}, // 3 - 1.5 + 0.75 - 0.375
         {"Sn = a1 · (q^n - 1) / (q - 1)", "Sn = 3 · ((-0.5)^4 - 1) / ((-0.5) - 1)", "q^n = (-0.5)^4 = 0.0625", "q^n - 1 = 0.0625 - 1 = -0.9375",
          "a1 · (q^n - 1) = 3 · (-0.9375) = -2.8125", "q - 1 = (-0.5) - 1 = -1.5", "Sn = (-2.8125) / (-1.5) = 1.875"}},
        {"ptpg", ',', {"-1", "8", "2"}, // -1 · 8: the magnitude
         {"|Pn| = √((a1 · an)^n)", "|Pn| = √(((-1) · 8)^2)", "a1 · an = (-1) · 8 = -8", "(a1 · an)^n = (-8)^2 = 64", "|Pn| = √64 = 8"}},
    };
    for (const auto& row : rows) {
        Separator separator(row.separator);
        const auto& [x, y, z] = row.typed;
        EXPECT_EQ(formula.at(row.formula)(in(x), in(y), in(z)).steps, row.steps) << row.formula << " " << x;
    }
}

// The report lines: the inputs as typed, the answer as shown.
TEST(Progressions, Reports) {
    expectReports({
        {[] { return TQPA::calculate(local("007"), local("0,5"), local("-2")).report; },
         "Termo qualquer de uma PA|Termo a ser encontrado = 007|Primeiro termo da PA = 0,5|Razão da PA = -2|Termo encontrado = -11,5"},
        {[] { return NTPA::calculate(local("01"), local("10"), local("2")).report; },
         "Calculando o número de termos de uma PA|Primeiro termo = 01|Último termo = 10|Razão da PA = 2|Número de termos = 5,5"},
        {[] { return STPA::calculate(local("0,5"), local("100"), local("0100")).report; },
         "Soma dos termos de uma PA|Primeiro termo = 0,5|Último termo = 100|Número de termos = 0100|Resposta = 5025"},
        {[] { return TQPG::calculate(local("2"), local("04"), local("0,5")).report; },
         "Termo qualquer de uma PG|Termo a ser encontrado = 04|Primeiro termo da PG = 2|Razão da PG = 0,5|Termo encontrado = 0,25"},
        {[] { return stpg::calculate(local("1,5"), local("10"), local("2")).report; },
         "Soma dos termos de uma PG|Primeiro termo = 1,5|Número de termos = 10|Razão = 2|Resposta = 1534,5"},
        {[] { return ptpg::calculate(local("-1"), local("0,5"), local("2")).report; },
         "Produto dos termos de uma PG|Primeiro termo da PG: -1|Último termo da PG: 0,5|Número de termos da PG: 2|Resposta: 0,5"},
    });
}

// clang-format on

} // namespace
