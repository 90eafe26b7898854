#include "formulas/Equa2.h"

#include "formulas_fixture.h"

#include <gtest/gtest.h>

using namespace calvorin;
using namespace calvorin::formulas;
using namespace calvorin::testing_formulas;

namespace {

// The worked solution, from the coefficients as typed (value from the text), under a separator.
TEST(Equa2, StepsOfAWorkedSolution) {
    const struct {
        const char *a, *b, *c;
        char separator;
        Steps steps; // after the two relations
    } rows[] = {
        // clang-format off
        {"1", "", "-4", ',', // x² - 4 = 0: b left empty
         {"Δ = 0² - 4·1·(-4)", "Δ = 0 + 16 = 16", "√Δ = 4", "x = (0 ± 4) / 2", "x1 = (0 + 4) / 2 = 2", "x2 = (0 - 4) / 2 = -2", "Resposta 1: 2", "Resposta 2: -2",
          "xv = (x1 + x2) / 2 = (2 + (-2)) / 2 = 0", "yv = a·xv² + b·xv + c = 1·0² + 0·0 + (-4) = -4", "Coordenadas do vértice: X = 0; Y = -4"}},
        {"1", "-3", "2", ',',
         {"Δ = (-3)² - 4·1·2", "Δ = 9 - 8 = 1", "√Δ = 1", "x = (3 ± 1) / 2", "x1 = (3 + 1) / 2 = 2", "x2 = (3 - 1) / 2 = 1", "Resposta 1: 2", "Resposta 2: 1",
          "xv = (x1 + x2) / 2 = (2 + 1) / 2 = 1,5", "yv = a·xv² + b·xv + c = 1·1,5² + (-3)·1,5 + 2 = -0,25", "Coordenadas do vértice: X = 1,5; Y = -0,25"}},
        {"-0.5", "1.5", "2", '.', // a < 0: the first root is the smaller (the check takes no comma)
         {"Δ = 1.5² - 4·(-0.5)·2", "Δ = 2.25 + 4 = 6.25", "√Δ = 2.5", "x = (-1.5 ± 2.5) / (-1)", "x1 = (-1.5 + 2.5) / (-1) = -1", "x2 = (-1.5 - 2.5) / (-1) = 4", "Resposta 1: -1", "Resposta 2: 4",
          "xv = (x1 + x2) / 2 = ((-1) + 4) / 2 = 1.5", "yv = a·xv² + b·xv + c = (-0.5)·1.5² + 1.5·1.5 + 2 = 3.125", "Coordenadas do vértice: X = 1.5; Y = 3.125"}},
        {"1", "1", "1", '.', {"Δ = 1² - 4·1·1", "Δ = 1 - 4 = -3", "Δ < 0", "Sem raízes reais!"}},
        {"2", "-0", "", '.', // zeros never show a minus sign
         {"Δ = (-0)² - 4·2·0", "Δ = 0 + 0 = 0", "√Δ = 0", "x = (0 ± 0) / 4", "x1 = (0 + 0) / 4 = 0", "x2 = (0 - 0) / 4 = 0", "Resposta 1: 0", "Resposta 2: 0",
          "xv = (x1 + x2) / 2 = (0 + 0) / 2 = 0", "yv = a·xv² + b·xv + c = 2·0² + 0·0 + 0 = 0", "Coordenadas do vértice: X = 0; Y = 0"}},
        // clang-format on
    };
    for (const auto& row : rows) {
        Separator separator(row.separator);
        Equa2::Result r = Equa2::discriminant(in(row.a), in(row.b), in(row.c));
        if (r.delta >= 0) Equa2::roots(r), Equa2::vertex(r);
        Steps expected = {"Δ = b² - 4·a·c", "x = (-b ± √Δ) / (2·a)"};
        expected.insert(expected.end(), row.steps.begin(), row.steps.end());
        EXPECT_EQ(r.steps, expected) << row.a << " " << row.b << " " << row.c;
    }
}

// The report lines: the equation as the plotter reads it, from the coefficients as typed, then the
// roots as shown. An empty or zero term is left out of the equation.
TEST(Equa2, Reports) {
    auto report = [](const char* a, const char* b, const char* c) {
        Equa2::Result r = Equa2::discriminant(local(a), local(b), local(c));
        if (r.delta >= 0) Equa2::roots(r), Equa2::vertex(r);
        return r.report;
    };
    const char* const title = "Calculando uma equação de segundo grau|";
    // clang-format off
    expectReports({
        {[&] { return report("3", "-7", "1"); }, title + std::string("3*x*x-7*x+1|Resposta 1: 2,18046042171637|Resposta 2: 0,152872911616963")},
        {[&] { return report("-0,5", "1,5", "2"); }, title + std::string("-0,5*x*x+1,5*x+2|Resposta 1: -1|Resposta 2: 4")},
        {[&] { return report("2", "-0", ""); }, title + std::string("2*x*x|Resposta 1: 0|Resposta 2: 0")},
        {[&] { return report("1", "1", "1"); }, title + std::string("1*x*x+1*x+1|Sem raízes reais")},
    });
    // clang-format on
}

} // namespace
