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
    row({Button3 = button("Button3", "Calcular termo qualquer de uma PA")});
    std::tie(Button1, Button2, FlatButton1) = standardButtons(lblResposta);
    onClick(Button1, &TfrmNTPA::Button1Click);
    onClick(Button3, &TfrmNTPA::Button3Click);
    finish("Número de termos de uma PA");
}

void TfrmNTPA::Button1Click() {
    if (!valid({txtPT, txtUT, txtQ}, validation::needToBeNumeric)) return;
    const double a1 = number(txtPT), an = number(txtUT), r = number(txtQ);
    const auto result =
        formulas::NTPA::calculate({a1, txtPT->text().toStdString()}, {an, txtUT->text().toStdString()},
                                  {r, txtQ->text().toStdString()});
    display(lblResposta, result.answer);
    record({"Calculando o número de termos de uma PA", "Primeiro termo = " + txtPT->text(),
            "Último termo = " + txtUT->text(), "Razão da PA = " + txtQ->text(),
            "Número de termos = " + lblResposta->text()});
    solved(result.steps);
}

void TfrmNTPA::Button3Click() {
    showOther<TfrmTQPA>();
}
