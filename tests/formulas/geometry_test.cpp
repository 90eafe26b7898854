#include "formulas/Diagonais.h"
#include "formulas/Distancia.h"
#include "formulas/Inclination.h"
#include "formulas/Pitagoras.h"
#include "formulas/PontoReta.h"
#include "formulas/SumAng.h"
#include "formulas/Trigonometria.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace calvorin;
using namespace calvorin::formulas;

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
        EXPECT_EQ(Pitagoras::calculate(number, row.t1, row.t2, row.t3).answer, Real(row.length))
            << number << " " << Pitagoras::relations[number - 1].text;
    }
}

TEST(Pitagoras, OtherLengthsAndFaults) {
    const struct {
        int number;
        double t1, t2, t3;
        const char* answer;
    } rows[] = {
        {1, 3, 4, 0, "5"},     {1, -3, -4, 0, "5"}, // a negative length squares like any number
        {14, 5, 3, 4, "2,4"},                       // h = (b*c)/a
        {17, 6, 4, 0, "9"},                         // m = h²/n
        {20, 6, 9, 0, "4"},                         // n = h²/m
        {7, 5, 1.8, 0, "3"},                        // b² = a*m
        {3, -3, 2, 0, "4,5"},                       // a = b²/m
        {5, 3, 4, 0, invalid},                      // b² = a² - c² with c > a
        {2, 3, 4, 0, byZero},                       // a = (b*c)/h with h left empty
        {2, 0, 0, 0, invalid}, {3, 3, 0, 0, byZero}, {18, 0, 3, 0, byZero}, {21, 0, 0, 0, invalid},
    };
    for (const auto& row : rows)
        EXPECT_EQ(shown([&] { return Pitagoras::calculate(row.number, row.t1, row.t2, row.t3).answer; }),
                  row.answer)
            << row.number << " " << row.t1 << " " << row.t2 << " " << row.t3;
}

TEST(Trigonometria, FunctionsOfAnAngle) {
    enum { cossec, cos, cotg, sec, sen, tg };
    const struct {
        int function;
        double x;
        bool degrees;
        const char* answer;
    } rows[] = {
        {sen, 30, true, "0,5"}, // degrees go through the full pi: the special angles come out exact
        {cos, 60, true, "0,5"},
        {cos, 90, true, "6,12323399573677E-17"},
        {tg, 60, true, "1,73205080756888"},
        {sen, -30, true, "-0,5"},
        {sec, 60, true, "2"},
        {cossec, 30, true, "2"},
        {cotg, 45, true, "1"},
        {cossec, 0, true, byZero},
        {cotg, -0.0, true, byZero},
        {sen, 1.5707963267949, false, "1"},
        {sec, 0, false, "1"},
        {cos, 0.5, false, "0,877582561890373"},
        {sen, 1e19, false, "0"}, // beyond the unit's range the sine and cosine give 0
        {sec, 1e19, false, byZero},
    };
    for (const auto& row : rows)
        EXPECT_EQ(shown([&] { return Trigonometria::calculate(row.function, row.x, row.degrees).answer; }),
                  row.answer)
            << Trigonometria::functions[row.function].item << " " << row.x << (row.degrees ? "°" : " rad");
}

TEST(AnalyticGeometry, DistancesAndSlope) {
    const struct {
        std::function<Real()> answer;
        const char* shown;
    } rows[] = {
        {[] { return Distancia::calculate(0, 3, 0, 4).answer; }, "5"},
        {[] { return Distancia::calculate(-1.5, 1.5, 2, -2).answer; }, "5"},
        {[] { return Distancia::calculate(1, 2, 1, 2).answer; }, "1,4142135623731"},
        {[] { return Distancia::calculate(1e300, -1e300, 0, 0).answer; }, "2E300"},
        {[] { return *Inclination::calculate(1, 3, 1, 5).answer; }, "2"},
        {[] { return *Inclination::calculate(0, 4, 0, -2).answer; }, "-0,5"},
        {[] { return *Inclination::calculate(-1, 0.5, 0.25, 1).answer; }, "0,5"},
        {[] { return PontoReta::calculate(1, 1, 1, 1, 1).answer; }, "2,12132034355964"},
        {[] { return PontoReta::calculate(3, 4, -10, 0, 0).answer; }, "2"}, // |−10| / 5
        {[] { return PontoReta::calculate(-3, 4, 0, 4, 3).answer; }, "0"},  // the point lies on the line
        {[] { return PontoReta::calculate(0, 0, 1, 1, 1).answer; }, byZero},
        {[] { return PontoReta::calculate(0, 0, 0, 1, 1).answer; }, invalid},
    };
    for (int i = 0; i < int(std::size(rows)); ++i)
        EXPECT_EQ(shown(rows[i].answer), rows[i].shown) << "row " << i;
    EXPECT_FALSE(Inclination::calculate(2, 2, 1, 7).answer); // a vertical line has no slope
    EXPECT_FALSE(Inclination::calculate(0, -0.0, 1, 1).answer);
}

TEST(Polygons, SumOfTheAnglesAndDiagonals) {
    const struct {
        double n;
        const char *sum, *diagonals;
    } rows[] = {
        {3, "180", "0"},       {4, "360", "2"},  {5, "540", "5"},
        {10, "1440", "35"},    {2, "0", "-1"}, // any number is taken as it is
        {4.5, "450", "3,375"}, {0, "-360", "0"}, {-1, "-540", "2"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(shown([&] { return SumAng::calculate(row.n).answer; }), row.sum) << row.n;
        EXPECT_EQ(shown([&] { return Diagonais::calculate(row.n).answer; }), row.diagonals) << row.n;
    }
}

} // namespace
