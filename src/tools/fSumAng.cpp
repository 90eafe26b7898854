#include "tools/fSumAng.h"

#include "formulas/SumAng.h"

using namespace calvorin;

TfrmSumAng::TfrmSumAng(QWidget* parent) : PolygonWindow(parent, "3") {
    setObjectName("frmSumAng");
    finish("Soma dos ângulos internos de um poligono");
}

void TfrmSumAng::FlatButton1Click() {
    if (!valid({txtValor})) return;
    conclude(formulas::SumAng::calculate(typed(txtValor)), lblResposta);
}
