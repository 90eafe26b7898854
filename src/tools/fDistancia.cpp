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
    const double x1 = number(txtX1), x2 = number(txtx2), y1 = number(txtY1), y2 = number(txty2);
    const auto result =
        formulas::Distancia::calculate({x1, txtX1->text().toStdString()}, {x2, txtx2->text().toStdString()},
                                       {y1, txtY1->text().toStdString()}, {y2, txty2->text().toStdString()});
    display(lblSol, result.answer);
    record(QStringList{"Distância entre dois pontos"} + pointLines() +
           QStringList{"Distância = " + lblSol->text()});
    solved(result.steps);
}
