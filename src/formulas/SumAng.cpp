#include "formulas/SumAng.h"

namespace calvorin::formulas::SumAng {

Result calculate(double n) {
    return {(Real(n) - 2) * 180};
}

} // namespace calvorin::formulas::SumAng
