#include "tools/fDistancia.h"

#include "formulas/Distancia.h"

using namespace calvorin;

TfrmDistancia::TfrmDistancia(QWidget* parent) : TwoPointWindow(parent) {
    setObjectName("frmDistancia");
    std::tie(txtX1, txtY1, txtx2, txty2) = pointRows("txtX1", "txtY1", "txtx2", "txty2");
    row({Label7 = label("Label7", "Distância:"), lblSol = answer("---", "lblSol")});
    std::tie(Button1, Button2, FlatButton1) = standardButtons(lblSol);
    onClick(Button1, &TfrmDistancia::Button1Click);
    finish("Distância entre 2 pontos");
}

void TfrmDistancia::Button1Click() {
    if (!valid({txtX1, txtx2, txtY1, txty2}, validation::mustBeNumeric)) return;
    const auto x1 = typed(txtX1), x2 = typed(txtx2), y1 = typed(txtY1), y2 = typed(txty2);
    conclude(formulas::Distancia::calculate(x1, x2, y1, y2), lblSol);
}
