#include "formulas/Combinations.h"
#include "formulas/Fatoriais.h"
#include "formulas/JurosCompostos.h"
#include "formulas/MDC.h"
#include "formulas/Regra3.h"

#include <gtest/gtest.h>

#include <functional>

using namespace calvorin;
using namespace calvorin::formulas;

namespace {

// The answer as shown (full stop as separator), or "!" and the error's text.
std::string outcome(const std::function<Real()>& answer) {
    try {
        return formatGeneral(answer().value(), '.');
    } catch (const Error& e) {
        return std::string("!") + e.what();
    }
}

const char* const divisionByZero = "!Floating point division by zero";
const char* const invalid = "!Invalid floating point operation";
const char* const overflow = "!Floating point overflow";

TEST(JurosCompostos, AmountAfterTPeriods) {
    const struct {
        double t, i, P;
        const char* amount;
    } rows[] = {
        {2, 10, 1000, "1210"},
        {0, 37, 250, "250"},  // no time: the initial value, whatever the rate
        {7.5, 0, 250, "250"}, // no interest
        {3, -100, 80, "0"},
        {-1, 25, 1000, "800"},  // a negative time discounts
        {0.5, 21, 100, "110"},  // a fractional time: e^(t ln base)
        {2, -150, 100, "25"},   // a negative base with a whole time
        {0.5, -150, 100, invalid},
        {-1, -100, 1, divisionByZero},
        {1e300, 10, 1, overflow},
    };
    for (const auto& row : rows)
        EXPECT_EQ(outcome([&] { return JurosCompostos::calculate(row.t, row.i, row.P).answer; }), row.amount)
            << row.t << " " << row.i << " " << row.P;
}

TEST(Fatoriais, DescendingProduct) {
    const struct {
        double x;
        const char* product;
    } rows[] = {
        {5, "120"},
        {0, "1"}, // the empty product
        {1, "1"},
        {2, "2"},
        {-3, "-3"},        // x itself at 2 and below
        {4.5, "59.0625"},  // 4.5 3.5 2.5 1.5: the factors above 1
        {20, "2.43290200817664E18"},
        {170, "7.257415615308E306"},
        {171, overflow},
    };
    for (const auto& row : rows)
        EXPECT_EQ(outcome([&] { return Real(Fatoriais::calculate(row.x).answer); }), row.product) << row.x;
}

TEST(Combinations, GroupsOfPFromN) {
    const struct {
        double n, p;
        const char* groups;
    } rows[] = {
        {5, 2, "10"}, {10, 3, "120"}, {5, 5, "1"}, {5, 0, "1"}, {0, 0, "1"},
        {4, 6, "-0.0166666666666667"}, // (4 - 6)! taken as the product -2
        {171, 1, overflow},
        {1e308, -1e308, overflow}, // n - p leaves the double range
    };
    for (const auto& row : rows)
        EXPECT_EQ(outcome([&] { return Combinations::calculate(row.n, row.p).answer; }), row.groups)
            << row.n << " " << row.p;
}

TEST(MDC, EuclidOnWholeNumbers) {
    const struct {
        double a, b;
        const char* divisor;
    } rows[] = {
        {12, 18, "6"}, {18, 12, "6"}, {6, 6, "6"},
        {-4, 6, "2"}, {-4, -6, "-2"}, // the remainder's sign follows the dividend
        {0, -5, "-5"},                // the first remainder is already 0
        {-2147483648.0, -1, "-1"},    // the quotient leaves 32 bits
        {0, 5, "!Division by zero"},
        {0, 0, "!Division by zero"},
        {2147483648.0, 2, "!'2147483648' is not a valid integer value"},
        {2.5, 5, "!'2.5' is not a valid integer value"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(outcome([&] { return Real(MDC::calculate(row.a, row.b).answer); }), row.divisor)
            << row.a << " " << row.b;
}

TEST(Regra3, TheMissingTermOfTheProportion) {
    const struct {
        int missing;
        std::array<double, 4> x;
        const char* term;
    } rows[] = {
        {0, {99, 6, 4, 3}, "8"}, // the missing term's value is not read
        {1, {4, 0, 8, 10}, "5"},
        {2, {2, 4, 0, 10}, "5"},
        {3, {2, 10, 3, 0}, "15"},
        {0, {0, 1, 1, 3}, "0.333333333333333"}, // rounded to a double before display
        {0, {0, 6, 4, 0}, divisionByZero},
        {3, {0, 0, 4, 0}, invalid},
        {1, {1e300, 0, 1e-300, 1e300}, overflow},
    };
    for (const auto& row : rows)
        EXPECT_EQ(outcome([&] { return Real(Regra3::calculate(row.missing, row.x).answer); }), row.term)
            << row.missing;
}

} // namespace
