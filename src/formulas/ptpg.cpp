#include "formulas/ptpg.h"

namespace calvorin::formulas::ptpg {

Result calculate(double a1, double an, double n) {
    return {fpu::sqrt(power((Real(a1) * an).value(), n))};
}

} // namespace calvorin::formulas::ptpg
