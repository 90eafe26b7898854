#pragma once
// EXPECT_NEAR works in double; the engines' results need extended precision to be judged.
#include "core/real.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>

// Within a few dozen units of the last place (exp and ln paths lose some) of an extended value of that size.
inline testing::AssertionResult nearExtended(calvorin::Extended actual, calvorin::Extended expected) {
    using calvorin::Extended;
    const Extended tolerance = 1e-17L * std::max<Extended>(1, std::fabs(expected));
    if (std::fabs(actual - expected) <= tolerance) return testing::AssertionSuccess();
    std::ostringstream out;
    out.precision(21);
    out << actual << " is not " << expected;
    return testing::AssertionFailure() << out.str();
}
