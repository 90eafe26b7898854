#include "formulas/TQPA.h"

#include <gtest/gtest.h>

using namespace calvorin;

namespace {

TEST(TQPA, AnyTermOfAnArithmeticProgression) {
    const struct {
        double n, a1, r;
        Extended term;
    } rows[] = {
        {10, 3, 2, 21},
        {1, 5, 123, 5}, // the first term whatever the difference
        {0, 5, 2, 3},   // terms before the first follow the same rule
        {-3, 7, -1, 11},
        {2.5, 0, 2, 3}, // a number of terms that is no whole number is taken as it is
        {0.5, 1, 0.25, 0.875L},
        {0x1p600, 0, 0x1p600, 0x1p1200L}, // beyond the double range: the term stays extended
    };
    for (const auto& row : rows)
        EXPECT_EQ(formulas::TQPA::calculate({row.n}, {row.a1}, {row.r}).answer.value(), row.term)
            << row.n << " " << row.a1 << " " << row.r;
}

} // namespace
