#include "tools/twopoints.h"

using namespace calvorin;

std::tuple<FlatEdit*, FlatEdit*, FlatEdit*, FlatEdit*>
TwoPointWindow::pointRows(const QString& x1, const QString& y1, const QString& x2, const QString& y2) {
    FlatEdit *ex1, *ey1, *ex2, *ey2;
    // kept as the program has always written it: "Cordenadas"
    row({Label1 = label("Label1", "Cordenadas do ponto 1:")});
    row({Label2 = label("Label2", "X"), ex1 = edit(x1), Label3 = label("Label3", "Y"), ey1 = edit(y1)});
    row({Label4 = label("Label4", "Cordenadas do ponto 2:")});
    row({Label5 = label("Label5", "X"), ex2 = edit(x2), Label6 = label("Label6", "Y"), ey2 = edit(y2)});
    return {ex1, ey1, ex2, ey2};
}
