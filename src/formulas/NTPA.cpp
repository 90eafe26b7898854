#include "formulas/NTPA.h"

namespace calvorin::formulas::NTPA {

Result calculate(double a1, double an, double r) {
    const Real first = a1, last = an, ratio = r;
    return {(first - last - ratio) / -ratio};
}

} // namespace calvorin::formulas::NTPA
