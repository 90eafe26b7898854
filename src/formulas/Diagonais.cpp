#include "formulas/Diagonais.h"

namespace calvorin::formulas::Diagonais {

Result calculate(double n) {
    return {Real(n) * (Real(n) - 3) * 0.5};
}

} // namespace calvorin::formulas::Diagonais
