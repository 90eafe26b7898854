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
    const auto a1 = typed(txtpt), an = typed(txtut), n = typed(txtn);
    conclude(formulas::STPA::calculate(a1, an, n), lblResposta);
}

void TfrmSTPA::Button3Click() {
    calvorin::open<TfrmTQPA>();
}
