#include "formulas/TQPG.h"

namespace calvorin::formulas::TQPG {

Result calculate(double a1, double n, double q) {
    return {Real(power(q, (Real(n) - 1).value())) * a1};
}

} // namespace calvorin::formulas::TQPG
