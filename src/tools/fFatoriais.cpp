#include "tools/fFatoriais.h"

#include "formulas/Fatoriais.h"

using namespace calvorin;

TfrmFatoriais::TfrmFatoriais(QWidget* parent) : ToolWindow(parent) {
    setObjectName("frmFatoriais");
    row({Label1 = label("Label1", "Fatorial a ser calculado:"), txtFatorial = edit("txtFatorial")});
    row({lblResposta = answer("Resposta:")});
    std::tie(Button1, Button2, FlatButton1) = standardButtons(lblResposta);
    onClick(Button1, &TfrmFatoriais::Button1Click);
    finish("Números fatoriais");
}

void TfrmFatoriais::Button1Click() {
    if (!valid({txtFatorial}, validation::mustBeNumeric)) return;
    conclude(formulas::Fatoriais::calculate(typed(txtFatorial)), lblResposta);
}
