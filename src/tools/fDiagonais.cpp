#include "tools/fDiagonais.h"

#include "formulas/Diagonais.h"

using namespace calvorin;

TfrmDiagonais::TfrmDiagonais(QWidget* parent) : PolygonWindow(parent, "4") {
    setObjectName("frmDiagonais");
    finish("Número de diagonais de um poligono");
}

// No numeric check here: a text that is no number ends in the conversion error.
void TfrmDiagonais::FlatButton1Click() {
    conclude(formulas::Diagonais::calculate(typed(txtValor)), lblResposta);
}
