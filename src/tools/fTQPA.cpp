#include "tools/fTQPA.h"

#include "formulas/TQPA.h"

using namespace calvorin;

TfrmTQPA::TfrmTQPA(QWidget* parent) : ToolWindow(parent) {
    setObjectName("frmTQPA");
    row({Label1 = label("Label1", "Termo a ser encontrado:"), txtn = edit("txtn")});
    // kept as the program has always written it: "Primeiro ermo da PA:", and "Resposta" without the colon of
    // the other windows
    row({Label2 = label("Label2", "Primeiro ermo da PA:"), txtpt = edit("txtpt")});
    row({Label3 = label("Label3", "Razão da PA:"), txtq = edit("txtq")});
    row({lblResposta = answer("Resposta")});
    std::tie(Button1, Button2, FlatButton1) = standardButtons(lblResposta);
    onClick(Button1, &TfrmTQPA::Button1Click);
    finish("Termo qualquer de uma PA");
}

void TfrmTQPA::Button1Click() {
    if (!valid({txtn, txtq, txtpt}, validation::mustBeNumeric)) return;
    const auto n = typed(txtn), a1 = typed(txtpt), r = typed(txtq);
    conclude(formulas::TQPA::calculate(n, a1, r), lblResposta);
}
