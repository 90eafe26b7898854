#include "tools/fSTPA.h"

#include "formulas/STPA.h"
#include "tools/fTQPA.h"

using namespace calvorin;

TfrmSTPA::TfrmSTPA(QWidget* parent) : ToolWindow(parent) {
    setObjectName("frmSTPA");
    row({Label1 = label("Label1", "Primeiro termo da PA:"), txtpt = edit("txtpt")});
    row({Label2 = label("Label2", "Último termo da PA:"), txtut = edit("txtut")});
    row({Label3 = label("Label3", "Número de termos da PA:"), txtn = edit("txtn")});
    row({lblResposta = answer("Resposta:")});
    row({Button3 = button("Button3", "Calcular um termo qualquer de uma PA")});
    std::tie(Button1, Button2, FlatButton1) = standardButtons(lblResposta);
    onClick(Button1, &TfrmSTPA::Button1Click);
    onClick(Button3, &TfrmSTPA::Button3Click);
    finish("Soma dos termos de uma PA");
}

void TfrmSTPA::Button1Click() {
    if (!valid({txtpt, txtut, txtn}, validation::needToBeNumeric)) return;
    const double a1 = number(txtpt), an = number(txtut), n = number(txtn);
    const auto result =
        formulas::STPA::calculate({a1, txtpt->text().toStdString()}, {an, txtut->text().toStdString()},
                                  {n, txtn->text().toStdString()});
    display(lblResposta, result.answer);
    record({"Soma dos termos de uma PA", "Primeiro termo = " + txtpt->text(),
            "Último termo = " + txtut->text(), "Número de termos = " + txtn->text(),
            "Resposta = " + lblResposta->text()});
    solved(result.steps);
}

void TfrmSTPA::Button3Click() {
    showOther<TfrmTQPA>();
}
