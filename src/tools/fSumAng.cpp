#include "tools/fSumAng.h"

#include "formulas/SumAng.h"

using namespace calvorin;

TfrmSumAng::TfrmSumAng(QWidget* parent) : PolygonWindow(parent, "3") {
    setObjectName("frmSumAng");
    // kept as the program has always written it: "poligono" without its accent
    finish("Soma dos ângulos internos de um poligono");
}

void TfrmSumAng::FlatButton1Click() {
    if (!valid({txtValor})) return;
    conclude(formulas::SumAng::calculate(typed(txtValor)), lblResposta);
}
