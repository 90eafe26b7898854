#include "tools/fFatoriais.h"

using namespace calvorin;

double calvorin::descendingProduct(double x) {
    if (x == 0) return 1; // 0! = 1: the product of no factors
    double result = x;
    for (double k = x - 1; k > 1; k = k - 1)
        result = (Real(result) * k).toDouble();
    return result;
}

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
    display(lblResposta, descendingProduct(number(txtFatorial)));
    record({"Cálculo de fatoriais", "Fatorial de " + txtFatorial->text() + " = " + lblResposta->text()});
}
