#include "tools/fInclination.h"

#include "formulas/Inclination.h"

using namespace calvorin;

TfrmInclination::TfrmInclination(QWidget* parent) : TwoPointWindow(parent) {
    setObjectName("frmInclination");
    std::tie(txtx1, txty1, txtx2, txty2) = pointRows("txtx1", "txty1", "txtx2", "txty2");
    row({lblResposta = answer("Inclinação:")});
    std::tie(Button1, Button2, FlatButton1) = standardButtons(lblResposta);
    onClick(Button1, &TfrmInclination::Button1Click);
    // kept as the program has always written it: "da reta" here, "de uma reta" in the menus and the report
    finish("Inclinação da reta");
}

void TfrmInclination::Button1Click() {
    if (!valid({txtx1, txtx2, txty1, txty2}, validation::mustBeNumeric)) return;
    const auto x1 = typed(txtx1), x2 = typed(txtx2), y1 = typed(txty1), y2 = typed(txty2);
    const auto result = formulas::Inclination::calculate(x1, x2, y1, y2);
    // A vertical line has no slope: said in the answer rather than in an error box.
    if (result.answer)
        display(lblResposta, *result.answer);
    else
        lblResposta->setText(formulas::Inclination::vertical);
    conclude(result);
}
