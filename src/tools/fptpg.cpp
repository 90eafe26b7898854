#include "tools/fptpg.h"

#include "formulas/ptpg.h"
#include "tools/fTQPG.h"

using namespace calvorin;

Tfrmptpg::Tfrmptpg(QWidget* parent) : ToolWindow(parent) {
    setObjectName("frmptpg");
    row({Label1 = label("Label1", "Primeiro termo da PG:"), txtpt = edit("txtpt")});
    row({Label2 = label("Label2", "Último termo da PG:"), txtut = edit("txtut")});
    row({Label3 = label("Label3", "Número de termos da PG:"), txtn = edit("txtn")});
    row({lblResposta = answer("Resposta:")});
    row({Button3 = button("Button3", "Calcular um termo qualquer de uma PG")});
    std::tie(Button1, Button2, FlatButton1) = standardButtons(lblResposta);
    onClick(Button1, &Tfrmptpg::Button1Click);
    onClick(Button3, &Tfrmptpg::Button3Click);
    finish("Produto dos termos de uma PG");
}

void Tfrmptpg::Button1Click() {
    if (!valid({txtpt, txtut, txtn}, validation::needToBeNumeric)) return;
    const auto a1 = typed(txtpt), an = typed(txtut), n = typed(txtn);
    conclude(formulas::ptpg::calculate(a1, an, n), lblResposta);
}

void Tfrmptpg::Button3Click() {
    calvorin::open<TfrmTQPG>();
}
