#include "tools/fNTPA.h"

#include "formulas/NTPA.h"
#include "tools/fTQPA.h"

using namespace calvorin;

TfrmNTPA::TfrmNTPA(QWidget* parent) : ToolWindow(parent) {
    setObjectName("frmNTPA");
    row({Label1 = label("Label1", "Primeiro termo da PA:"), txtPT = edit("txtPT")});
    row({Label2 = label("Label2", "Último termo da PA:"), txtUT = edit("txtUT")});
    row({Label3 = label("Label3", "Razão da PA:"), txtQ = edit("txtQ")});
    row({lblResposta = answer("Resposta:")});
    // kept as the program has always written it: no "um", unlike the sum window's button
    row({Button3 = button("Button3", "Calcular termo qualquer de uma PA")});
    std::tie(Button1, Button2, FlatButton1) = standardButtons(lblResposta);
    onClick(Button1, &TfrmNTPA::Button1Click);
    onClick(Button3, &TfrmNTPA::Button3Click);
    finish("Número de termos de uma PA");
}

void TfrmNTPA::Button1Click() {
    if (!valid({txtPT, txtUT, txtQ}, validation::needToBeNumeric)) return;
    const auto a1 = typed(txtPT), an = typed(txtUT), r = typed(txtQ);
    conclude(formulas::NTPA::calculate(a1, an, r), lblResposta);
}

void TfrmNTPA::Button3Click() {
    calvorin::open<TfrmTQPA>();
}
