#include "tools/fstpg.h"

#include "formulas/stpg.h"
#include "tools/fTQPG.h"

using namespace calvorin;

Tfrmstpg::Tfrmstpg(QWidget* parent) : ToolWindow(parent) {
    setObjectName("frmstpg");
    row({Label1 = label("Label1", "Primeiro termo da PG:"), txtpt = edit("txtpt")});
    row({Label2 = label("Label2", "Número de termos da PG:"), txtn = edit("txtn")});
    row({Label3 = label("Label3", "Razão da PG:"), txtq = edit("txtq")});
    // kept as the program has always written it: "lblresposta" in lower case
    row({lblresposta = answer("Resposta:", "lblresposta")});
    row({Button3 = button("Button3", "Calcular um termo qualquer de uma PG")});
    std::tie(Button1, Button2, FlatButton1) = standardButtons(lblresposta);
    onClick(Button1, &Tfrmstpg::Button1Click);
    onClick(Button3, &Tfrmstpg::Button3Click);
    finish("Soma dos termos de uma PG");
}

void Tfrmstpg::Button1Click() {
    if (!valid({txtpt, txtn, txtq}, validation::needToBeNumeric)) return;
    const auto a1 = typed(txtpt), n = typed(txtn), q = typed(txtq);
    conclude(formulas::stpg::calculate(a1, n, q), lblresposta);
}

void Tfrmstpg::Button3Click() {
    calvorin::open<TfrmTQPG>();
}
