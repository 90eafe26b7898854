#include "formulas/Calorias.h"

namespace calvorin::formulas::Calorias {

Result calculate(double c, double m, double ti, double tf) {
    return {Real(c) * m * (Real(tf) - ti)};
}

} // namespace calvorin::formulas::Calorias
