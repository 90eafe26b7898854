#include "formulas/Diagonais.h"
#include "formulas/Distancia.h"
#include "formulas/Inclination.h"
#include "formulas/Pitagoras.h"
#include "formulas/PontoReta.h"
#include "formulas/SumAng.h"
#include "formulas/Trigonometria.h"

#include "formulas_fixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace calvorin;
using namespace calvorin::formulas;
using namespace calvorin::testing_formulas;

namespace {

// The answer as the window shows it with a decimal comma, or the error it raises.
std::string shown(const std::function<Real()>& answer) {
    try {
        return formatGeneral(answer().value(), ',');
    } catch (const Error& e) {
        return e.what();
    }
}
const char* const invalid = "Invalid floating point operation";
const char* const byZero = "Floating point division by zero";

// clang-format off
TEST(Pitagoras, EveryRelationOnThe15_20_25Triangle) {
    // a = 25, b = 15, c = 20, h = 12, m = 9, n = 16, typed in each relation's order of inputs.
    const struct {
        double t1, t2, t3;
        double length;
    } rows[22] = {
        {15, 20, 0, 25}, {15, 20, 12, 25}, {15, 9, 0, 25},  {20, 16, 0, 25},
        {25, 20, 0, 15}, {25, 20, 12, 15}, {25, 9, 0, 15},  {12, 9, 0, 15},
        {25, 15, 0, 20}, {25, 15, 12, 20}, {25, 16, 0, 20}, {12, 16, 0, 20},
        {9, 16, 0, 12},  {25, 15, 20, 12}, {20, 16, 0, 12}, {15, 9, -7, 12}, // t3 unused
        {12, 16, 0, 9},  {25, 15, 0, 9},   {15, 12, 0, 9},  {12, 9, 0, 16},
        {25, 20, 0, 16}, {20, 12, 0, 16},
    };
    for (int number = 1; number <= 22; ++number) {
        const auto& row = rows[number - 1];
        EXPECT_EQ(Pitagoras::calculate(number, v(row.t1), v(row.t2), v(row.t3)).answer, Real(row.length))
            << number << " " << Pitagoras::relations[number - 1].text;
    }
}

TEST(Pitagoras, OtherLengthsAndFaults) {
    const struct {
        int number;
        double t1, t2, t3;
        const char* answer;
    } rows[] = {
        {1, -3, -4, 0, "5"},   // a negative length squares like any number
        {17, 6, 4, 0, "9"},    // m = h²/n
        {20, 6, 9, 0, "4"},    // n = h²/m
        {3, -3, 2, 0, "4,5"},  // a = b²/m
        {5, 3, 4, 0, invalid}, // b² = a² - c² with c > a
        {2, 0, 0, 0, invalid}, {3, 3, 0, 0, byZero}, {18, 0, 3, 0, byZero}, {21, 0, 0, 0, invalid},
    };
    for (const auto& row : rows) {
        auto answer = [&] { return Pitagoras::calculate(row.number, v(row.t1), v(row.t2), v(row.t3)).answer; };
        EXPECT_EQ(shown(answer), row.answer) << row.number << " " << row.t1 << " " << row.t2 << " " << row.t3;
    }
}

TEST(Trigonometria, FunctionsOfAnAngle) {
    enum { cossec, cos, cotg, sec, sen, tg };
    const struct {
        int function;
        double x;
        bool degrees;
        const char* answer;
    } rows[] = {
        {sen, -30, true, "-0,5"}, // degrees go through the full pi: the special angles come out exact
        {cossec, 30, true, "2"}, {cotg, 45, true, "1"}, {cos, 90, true, "6,12323399573677E-17"}, {tg, 60, true, "1,73205080756888"},
        {cossec, 0, true, byZero}, {cotg, -0.0, true, byZero},
        {sec, 0, false, "1"}, {cos, 0.5, false, "0,877582561890373"},
        {sen, 1e19, false, "0"}, // beyond the unit's range the sine and cosine give 0
        {sec, 1e19, false, byZero},
    };
    for (const auto& row : rows)
        EXPECT_EQ(shown([&] { return Trigonometria::calculate(row.function, v(row.x), row.degrees).answer; }),
                  row.answer)
            << Trigonometria::functions[row.function].item << " " << row.x << (row.degrees ? "°" : " rad");
}

TEST(AnalyticGeometry, DistancesAndSlope) {
    const struct {
        std::function<Real()> answer;
        const char* shown;
    } rows[] = {
        {[] { return Distancia::calculate(v(-1.5), v(1.5), v(2), v(-2)).answer; }, "5"},
        {[] { return Distancia::calculate(v(1), v(2), v(1), v(2)).answer; }, "1,4142135623731"},
        {[] { return Distancia::calculate(v(1e300), v(-1e300), v(0), v(0)).answer; }, "2E300"},
        {[] { return *Inclination::calculate(v(1), v(3), v(1), v(5)).answer; }, "2"},
        {[] { return *Inclination::calculate(v(-1), v(0.5), v(0.25), v(1)).answer; }, "0,5"},
        {[] { return PontoReta::calculate(v(-3), v(4), v(0), v(4), v(3)).answer; }, "0"}, // the point lies on the line
        {[] { return PontoReta::calculate(v(0), v(0), v(1), v(1), v(1)).answer; }, byZero},
        {[] { return PontoReta::calculate(v(0), v(0), v(0), v(1), v(1)).answer; }, invalid},
    };
    for (int i = 0; i < int(std::size(rows)); ++i)
        EXPECT_EQ(shown(rows[i].answer), rows[i].shown) << "row " << i;
    EXPECT_FALSE(Inclination::calculate(v(0), v(-0.0), v(1), v(1)).answer); // a vertical line has no slope
}

TEST(Polygons, SumOfTheAnglesAndDiagonals) {
    const struct {
        double n;
        const char *sum, *diagonals;
    } rows[] = {
        {3, "180", "0"}, {4, "360", "2"}, {5, "540", "5"}, {10, "1440", "35"},
        {2, "0", "-1"}, {4.5, "450", "3,375"}, {0, "-360", "0"}, {-1, "-540", "2"}, // any number is taken as it is
    };
    for (const auto& row : rows) {
        EXPECT_EQ(shown([&] { return SumAng::calculate(v(row.n)).answer; }), row.sum) << row.n;
        EXPECT_EQ(shown([&] { return Diagonais::calculate(v(row.n)).answer; }), row.diagonals) << row.n;
    }
}

// ---- the worked solutions: the inputs as typed, under a decimal separator ------------------------

TEST(GeometrySteps, RelationValuesAsTypedEachValueAndTheAnswer) {
    enum { cossec, cos, cotg, sec, sen, tg };
    const struct {
        char separator;
        std::function<Steps()> steps;
        Steps lines;
    } rows[] = {
        // every square and product before the sum, difference or quotient
        {',', [] { return Pitagoras::calculate(1, in("3"), in("4"), in("0")).steps; },
         {"a² = b² + c²", "a² = 3² + 4²", "b² = 3² = 9", "c² = 4² = 16", "a² = 9 + 16 = 25", "a = √25 = 5", "Resposta: 5"}},
        {',', [] { return Pitagoras::calculate(9, in("2,5"), in("-1,5"), in("0")).steps; },
         {"c² = a² - b²", "c² = 2,5² - (-1,5)²", "a² = 2,5² = 6,25", "b² = (-1,5)² = 2,25", "c² = 6,25 - 2,25 = 4", "c = √4 = 2", "Resposta: 2"}},
        {',', [] { return Pitagoras::calculate(7, in("-5"), in("-1,8"), in("0")).steps; },
         {"b² = a · m", "b² = (-5) · (-1,8)", "a · m = (-5) · (-1,8) = 9", "b = √9 = 3", "Resposta: 3"}},
        {',', [] { return Pitagoras::calculate(13, in("3,6"), in("6,4"), in("0")).steps; },
         {"h² = m · n", "h² = 3,6 · 6,4", "m · n = 3,6 · 6,4 = 23,04", "h = √23,04 = 4,8", "Resposta: 4,8"}},
        {'.', [] { return Pitagoras::calculate(18, in("25"), in("1.5"), in("0")).steps; },
         {"m = b² / a", "m = 1.5² / 25", "b² = 1.5² = 2.25", "m = 2.25 / 25 = 0.09", "Resposta: 0.09"}},
        {',', [] { return Trigonometria::calculate(sen, in("30"), true).steps; },
         {"Seno: sen(x)", "sen(30°)", "30° = 30 · π / 180 = 30 · 3,14159265358979 / 180 = 0,523598775598299 rad", "sen(0,523598775598299) = 0,5", "Resposta: 0,5"}},
        {',', [] { return Trigonometria::calculate(sec, in("-60"), true).steps; },
         {"Secante: sec(x) = 1 / cos(x)", "sec(-60°) = 1 / cos(-60°)", "-60° = (-60) · π / 180 = (-60) · 3,14159265358979 / 180 = -1,0471975511966 rad", "cos(-1,0471975511966) = 0,5", "sec(-60°) = 1 / 0,5 = 2", "Resposta: 2"}},
        {',', [] { return Trigonometria::calculate(cotg, in("0,5"), false).steps; },
         {"Cotangente: cotg(x) = 1 / tg(x)", "cotg(0,5) = 1 / tg(0,5)", "tg(0,5) = 0,546302489843791", "cotg(0,5) = 1 / 0,546302489843791 = 1,83048772171245", "Resposta: 1,83048772171245"}},
        // the names spelt right, whatever the list says
        {',', [] { return Trigonometria::calculate(cos, in("60"), true).steps; },
         {"Cosseno: cos(x)", "cos(60°)", "60° = 60 · π / 180 = 60 · 3,14159265358979 / 180 = 1,0471975511966 rad", "cos(1,0471975511966) = 0,5", "Resposta: 0,5"}},
        {'.', [] { return Trigonometria::calculate(cossec, in("-30"), true).steps; },
         {"Cossecante: cossec(x) = 1 / sen(x)", "cossec(-30°) = 1 / sen(-30°)", "-30° = (-30) · π / 180 = (-30) · 3.14159265358979 / 180 = -0.523598775598299 rad", "sen(-0.523598775598299) = -0.5", "cossec(-30°) = 1 / (-0.5) = -2", "Resposta: -2"}},
        // no value there: said after the one the window shows
        {',', [] { return Trigonometria::calculate(tg, in("90"), true).steps; },
         {"Tangente: tg(x)", "tg(90°)", "90° = 90 · π / 180 = 90 · 3,14159265358979 / 180 = 1,5707963267949 rad", "tg(1,5707963267949) = 1,63312393531954E16", "Resposta: 1,63312393531954E16",
          "tg 90° não existe: o valor mostrado vem do arredondamento de π"}},
        {'.', [] { return Trigonometria::calculate(cossec, in("540"), true).steps; },
         {"Cossecante: cossec(x) = 1 / sen(x)", "cossec(540°) = 1 / sen(540°)", "540° = 540 · π / 180 = 540 · 3.14159265358979 / 180 = 9.42477796076938 rad", "sen(9.42477796076938) = 3.67394039744206E-16",
          "cossec(540°) = 1 / 3.67394039744206E-16 = 2.72187322553256E15", "Resposta: 2.72187322553256E15", "cossec 540° não existe: o valor mostrado vem do arredondamento de π"}},
        // each difference and its square before the sum
        {',', [] { return Distancia::calculate(in("-1"), in("2"), in("2,5"), in("-1,5")).steps; },
         {"d = √((x1 - x2)² + (y1 - y2)²)", "d = √(((-1) - 2)² + (2,5 - (-1,5))²)", "x1 - x2 = (-1) - 2 = -3", "(x1 - x2)² = (-3)² = 9", "y1 - y2 = 2,5 - (-1,5) = 4", "(y1 - y2)² = 4² = 16",
          "d = √(9 + 16) = √25 = 5", "Distância: 5"}},
        {'.', [] { return Distancia::calculate(in("0.5"), in("-1"), in("-2"), in("0")).steps; },
         {"d = √((x1 - x2)² + (y1 - y2)²)", "d = √((0.5 - (-1))² + ((-2) - 0)²)", "x1 - x2 = 0.5 - (-1) = 1.5", "(x1 - x2)² = 1.5² = 2.25", "y1 - y2 = (-2) - 0 = -2", "(y1 - y2)² = (-2)² = 4",
          "d = √(2.25 + 4) = √6.25 = 2.5", "Distância: 2.5"}},
        {',', [] { return Inclination::calculate(in("-0,5"), in("1,5"), in("0,25"), in("-0,75")).steps; },
         {"m = (y1 - y2) / (x1 - x2)", "m = (0,25 - (-0,75)) / ((-0,5) - 1,5)", "x1 - x2 = (-0,5) - 1,5 = -2", "y1 - y2 = 0,25 - (-0,75) = 1", "m = 1 / (-2) = -0,5", "Inclinação: -0,5"}},
        // a vertical line: the window's message, then why
        {',', [] { return Inclination::calculate(in("2"), in("2"), in("1"), in("7")).steps; },
         {"m = (y1 - y2) / (x1 - x2)", "m = (1 - 7) / (2 - 2)", "x1 - x2 = 2 - 2 = 0", "Inclinação: Divisão por 0!", "x1 = x2: a reta é vertical e não tem coeficiente angular"}},
        {'.', [] { return Inclination::calculate(in("-1.5"), in("-1.5"), in("0"), in("2.5")).steps; },
         {"m = (y1 - y2) / (x1 - x2)", "m = (0 - 2.5) / ((-1.5) - (-1.5))", "x1 - x2 = (-1.5) - (-1.5) = 0", "Inclinação: Divisão por 0!", "x1 = x2: a reta é vertical e não tem coeficiente angular"}},
        // a·x0 and b·y0, a² and b² before their sums
        {',', [] { return PontoReta::calculate(in("3"), in("-4"), in("2"), in("1,5"), in("2")).steps; },
         {"d = |a·x0 + b·y0 + c| / √(a² + b²)", "d = |3·1,5 + (-4)·2 + 2| / √(3² + (-4)²)", "a·x0 = 3·1,5 = 4,5", "b·y0 = (-4)·2 = -8", "a·x0 + b·y0 + c = 4,5 + (-8) + 2 = -1,5", "|-1,5| = 1,5",
          "a² + b² = 3² + (-4)² = 9 + 16 = 25", "√(a² + b²) = √25 = 5", "d = 1,5 / 5 = 0,3", "Resposta: 0,3"}},
        {'.', [] { return PontoReta::calculate(in("-1"), in("2"), in("0.5"), in("-2"), in("1.25")).steps; },
         {"d = |a·x0 + b·y0 + c| / √(a² + b²)", "d = |(-1)·(-2) + 2·1.25 + 0.5| / √((-1)² + 2²)", "a·x0 = (-1)·(-2) = 2", "b·y0 = 2·1.25 = 2.5", "a·x0 + b·y0 + c = 2 + 2.5 + 0.5 = 5", "|5| = 5",
          "a² + b² = (-1)² + 2² = 1 + 4 = 5", "√(a² + b²) = √5 = 2.23606797749979", "d = 5 / 2.23606797749979 = 2.23606797749979", "Resposta: 2.23606797749979"}},
        {',', [] { return SumAng::calculate(in("5")).steps; },
         {"S = (n - 2) · 180°", "S = (5 - 2) · 180°", "n - 2 = 5 - 2 = 3", "S = 3 · 180° = 540°", "Resposta: 540°"}},
        {'.', [] { return SumAng::calculate(in("-0.5")).steps; },
         {"S = (n - 2) · 180°", "S = ((-0.5) - 2) · 180°", "n - 2 = (-0.5) - 2 = -2.5", "S = (-2.5) · 180° = -450°", "Resposta: -450°"}},
        {',', [] { return Diagonais::calculate(in("10")).steps; },
         {"d = n · (n - 3) / 2", "d = 10 · (10 - 3) / 2", "n - 3 = 10 - 3 = 7", "n · (n - 3) = 10 · 7 = 70", "d = 70 / 2 = 35", "Resposta: 35"}},
    };
    for (int i = 0; i < int(std::size(rows)); ++i) {
        Separator separator(rows[i].separator);
        EXPECT_EQ(rows[i].steps(), rows[i].lines) << "row " << i;
    }
}

// The report lines: the inputs as typed, the answer as shown. Nothing for the polygons and the
// trigonometric functions. The points' coordinates are joined by a comma whatever the separator.
TEST(GeometryReports, InputsAsTypedAndTheAnswer) {
    expectReports({
        {[] { return Pitagoras::calculate(1, local("3"), local("4"), local("0"), "a", "a² = b² + c²").report; },
         "Teorema de pitágoras|Calculando lado a|Éxpressão utilizada: a² = b² + c²|Resultado: 5"},
        // the side chosen and the list's text need not be the relation's
        {[] { return Pitagoras::calculate(14, local("5"), local("3"), local("4"), "m", "m = h²/n ").report; },
         "Teorema de pitágoras|Calculando lado m|Éxpressão utilizada: m = h²/n |Resultado: 2,4"},
        {[] { return Distancia::calculate(local("1.5"), local("4.5"), local("-0"), local("4")).report; },
         "Distância entre dois pontos|Ponto 1: 1.5,-0|Ponto 2: 4.5,4|Distância = 5", '.'},
        {[] { return Inclination::calculate(local("0"), local("4"), local("0"), local("-2")).report; },
         "Inclinação de uma reta|Ponto 1: 0,0|Ponto 2: 4,-2|Inclinação = -0,5", ','},
        {[] { return Inclination::calculate(local("2.5"), local("2.5"), local("1"), local("7")).report; },
         "Inclinação de uma reta|Ponto 1: 2.5,1|Ponto 2: 2.5,7|Inclinação = Divisão por 0!", '.'},
        {[] { return PontoReta::calculate(local("1"), local("1"), local("1"), local("1"), local("1")).report; },
         "Calculando a distância entre um ponto e uma reta|Resposta obtida: 2,12132034355964"},
    });
}

// clang-format on

} // namespace
