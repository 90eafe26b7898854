#include "tools/fSumAng.h"

using namespace calvorin;

TfrmSumAng::TfrmSumAng(QWidget* parent) : PolygonWindow(parent, "3") {
    setObjectName("frmSumAng");
    finish("Soma dos ângulos internos de um poligono");
}

void TfrmSumAng::FlatButton1Click() {
    if (!valid({txtValor})) return;
    const Real n = number(txtValor);
    display(lblResposta, (n - 2) * 180);
}
