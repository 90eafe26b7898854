#pragma once
// The decimal separator a test runs under, restored when it ends.
#include "core/numbers.h"

namespace calvorin::testing_tools {

struct SeparatorGuard {
    char saved = decimalSeparator();
    explicit SeparatorGuard(char s) { setDecimalSeparator(s); }
    ~SeparatorGuard() { setDecimalSeparator(saved); }
};

} // namespace calvorin::testing_tools
