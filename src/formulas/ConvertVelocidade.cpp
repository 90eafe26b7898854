#include "formulas/ConvertVelocidade.h"

namespace calvorin::formulas::ConvertVelocidade {

Result calculate(Direction direction, double v) {
    // 1/3.6 as the nearest extended number, not a division, so that the digits stay those of before.
    return {Real(v) * (direction == Direction::kmhToMs ? 0.27777777777777777778L : 3.6L)};
}

} // namespace calvorin::formulas::ConvertVelocidade
