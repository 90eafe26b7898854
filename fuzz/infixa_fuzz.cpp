// Any text through the plotter's evaluator, in both decimal separators: it must end, and only
// the floating-point errors may leave it.
#include "core/numbers.h"
#include "expr/InFixa.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

using calvorin::Extended;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static calvorin::TCalculadoraInFixa calc;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (char separator : {'.', ','}) {
        calvorin::setDecimalSeparator(separator);
        try {
            const Extended value = calc.Evaluate(text);
            if (calc.Valid() ? !std::isfinite(value) : value != 0) std::abort();
        } catch (const calvorin::MathError&) {
            // the faults the plotter's own error handling shows
        }
    }
    return 0;
}
