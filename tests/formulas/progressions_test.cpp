#include "formulas/NTPA.h"
#include "formulas/STPA.h"
#include "formulas/TQPG.h"
#include "formulas/ptpg.h"
#include "formulas/stpg.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>

using namespace calvorin;
using namespace calvorin::formulas;

namespace {

// A formula with three inputs in its window's order, and what it gives: the answer as the window
// shows it with a full stop, or the error box's text.
struct Row {
    const char* formula;
    double x, y, z;
    std::string outcome;
};

std::string outcome(const Row& row) {
    const std::map<std::string, std::function<Real(double, double, double)>> formulas = {
        {"NTPA", [](double a1, double an, double r) { return NTPA::calculate(a1, an, r).answer; }},
        {"STPA", [](double a1, double an, double n) { return STPA::calculate(a1, an, n).answer; }},
        {"TQPG", [](double a1, double n, double q) { return TQPG::calculate(a1, n, q).answer; }},
        {"stpg", [](double a1, double n, double q) { return stpg::calculate(a1, n, q).answer; }},
        {"ptpg", [](double a1, double an, double n) { return ptpg::calculate(a1, an, n).answer; }},
    };
    try {
        return formatGeneral(formulas.at(row.formula)(row.x, row.y, row.z).value(), '.');
    } catch (const MathError& e) {
        return e.what();
    }
}

const char* const invalid = "Invalid floating point operation";
const char* const byZero = "Floating point division by zero";

TEST(Progressions, FormulasInTheirWindowsOrder) {
    const Row rows[] = {
        // number of terms, a1 an r: (an - a1) / r + 1, not rounded, negative as it comes
        {"NTPA", 2, 20, 3, "7"},
        {"NTPA", 4, 4, 3, "1"},
        {"NTPA", 1, 10, 2, "5.5"},
        {"NTPA", 10, 1, 2, "-3.5"},
        {"NTPA", 1, 3, 3, "1.66666666666667"},
        {"NTPA", 1, 2, 0, byZero},
        {"NTPA", 3, 3, 0, invalid}, // 0 / 0
        {"NTPA", 3, 3, -0.0, invalid},
        // sum, a1 an n: the number of terms enters unchanged
        {"STPA", 1, 100, 100, "5050"},
        {"STPA", 1, 100, 0, "0"},
        {"STPA", 1, 2, -3, "-4.5"},
        {"STPA", 0.5, -0.25, 3, "0.375"},
        {"STPA", 1e308, 1e308, 1, "1E308"}, // the sum passes the double range in extended precision
        // any term of a PG, a1 n q
        {"TQPG", 2, 4, 3, "54"},
        {"TQPG", 5, 1, 0, "5"}, // 0 to the power 0 is 1
        {"TQPG", 1, 4, -2, "-8"},
        {"TQPG", 1, 0, 0, byZero},
        {"TQPG", 1, 2.5, -2, invalid}, // a negative ratio to a fractional power
        {"TQPG", 3, 3, 0.5, "0.75"},
        // sum of a PG, a1 n q
        {"stpg", 1, 10, 2, "1023"},
        {"stpg", 3, 0, 2, "0"},
        {"stpg", 5, 3, 1, invalid}, // 0 / 0
        {"stpg", 1, 0.5, -2, invalid},
        {"stpg", 1, 3, -0.5, "0.75"},
        // product of a PG, a1 an n: the non-negative root
        {"ptpg", 1, 8, 4, "64"},
        {"ptpg", -1, 8, 2, "8"},
        {"ptpg", -1, 8, 3, invalid},
        {"ptpg", -1, 8, 0.5, invalid},
    };
    for (const Row& row : rows)
        EXPECT_EQ(outcome(row), row.outcome) << row.formula << " " << row.x << " " << row.y << " " << row.z;
}

} // namespace
