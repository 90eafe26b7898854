#include "tools/fInclination.h"

#include "formulas/Inclination.h"

using namespace calvorin;

TfrmInclination::TfrmInclination(QWidget* parent) : TwoPointWindow(parent) {
    setObjectName("frmInclination");
    std::tie(txtx1, txty1, txtx2, txty2) = pointRows("txtx1", "txty1", "txtx2", "txty2");
    row({lblResposta = answer("Inclinação:")});
    std::tie(Button1, Button2, FlatButton1) = standardButtons(lblResposta);
    onClick(Button1, &TfrmInclination::Button1Click);
    finish("Inclinação da reta");
}

void TfrmInclination::Button1Click() {
    if (!valid({txtx1, txtx2, txty1, txty2}, validation::mustBeNumeric)) return;
    const double x1 = number(txtx1), x2 = number(txtx2), y1 = number(txty1), y2 = number(txty2);
    // A vertical line has no slope: said in the answer rather than in an error box.
    const auto result = formulas::Inclination::calculate(
        {x1, txtx1->text().toStdString()}, {x2, txtx2->text().toStdString()},
        {y1, txty1->text().toStdString()}, {y2, txty2->text().toStdString()});
    if (result.answer)
        display(lblResposta, *result.answer);
    else
        lblResposta->setText(formulas::Inclination::vertical);
    record(QStringList{"Inclinação de uma reta"} + pointLines() +
           QStringList{"Inclinação = " + lblResposta->text()});
    solved(result.steps);
}
