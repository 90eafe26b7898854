#include "tools/fTQPG.h"

#include "formulas/TQPG.h"

using namespace calvorin;

TfrmTQPG::TfrmTQPG(QWidget* parent) : ToolWindow(parent) {
    setObjectName("frmTQPG");
    row({Label1 = label("Label1", "Termo a ser encontrado:"), txtn = edit("txtn")});
    row({Label2 = label("Label2", "Primeiro termo da PG:"), txtpt = edit("txtpt")});
    row({Label3 = label("Label3", "Razão da PG:"), txtq = edit("txtq")});
    row({lblResposta = answer("Resposta:")});
    std::tie(Button1, Button2, FlatButton1) = standardButtons(lblResposta);
    onClick(Button1, &TfrmTQPG::Button1Click);
    finish("Termo qualquer de uma PG");
}

void TfrmTQPG::Button1Click() {
    if (!valid({txtpt, txtn, txtq}, validation::needToBeNumeric)) return;
    const auto a1 = typed(txtpt), n = typed(txtn), q = typed(txtq);
    conclude(formulas::TQPG::calculate(a1, n, q), lblResposta);
}
