#include "tools/fDiagonais.h"

#include "formulas/Diagonais.h"

using namespace calvorin;

TfrmDiagonais::TfrmDiagonais(QWidget* parent) : PolygonWindow(parent, "4") {
    setObjectName("frmDiagonais");
    // kept as the program has always written it: "poligono" without its accent
    finish("Número de diagonais de um poligono");
}

// kept as the program has always written it: no numeric check here: a text that is no number ends in the
// conversion error
void TfrmDiagonais::FlatButton1Click() {
    conclude(formulas::Diagonais::calculate(typed(txtValor)), lblResposta);
}
