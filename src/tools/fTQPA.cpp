#include "tools/fTQPA.h"

#include "formulas/TQPA.h"

using namespace calvorin;

TfrmTQPA::TfrmTQPA(QWidget* parent) : ToolWindow(parent) {
    setObjectName("frmTQPA");
    row({Label1 = label("Label1", "Termo a ser encontrado:"), txtn = edit("txtn")});
    row({Label2 = label("Label2", "Primeiro ermo da PA:"), txtpt = edit("txtpt")});
    row({Label3 = label("Label3", "Razão da PA:"), txtq = edit("txtq")});
    row({lblResposta = answer("Resposta")});
    std::tie(Button1, Button2, FlatButton1) = standardButtons(lblResposta);
    onClick(Button1, &TfrmTQPA::Button1Click);
    finish("Termo qualquer de uma PA");
}

void TfrmTQPA::Button1Click() {
    if (!valid({txtn, txtq, txtpt}, validation::mustBeNumeric)) return;
    const double n = number(txtn), a1 = number(txtpt), r = number(txtq);
    const auto result = formulas::TQPA::calculate(
        {n, txtn->text().toStdString()}, {a1, txtpt->text().toStdString()}, {r, txtq->text().toStdString()});
    display(lblResposta, result.answer);
    record({"Termo qualquer de uma PA", "Termo a ser encontrado = " + txtn->text(),
            "Primeiro termo da PA = " + txtpt->text(), "Razão da PA = " + txtq->text(),
            "Termo encontrado = " + lblResposta->text()});
    solved(result.steps);
}
