#include "tools/fJurosCompostos.h"

#include "formulas/JurosCompostos.h"

using namespace calvorin;

TfrmJurosCompostos::TfrmJurosCompostos(QWidget* parent) : ToolWindow(parent) {
    setObjectName("frmJurosCompostos");
    row({Label1 = label("Label1", "Valor inicial:"), txtVinit = edit("txtVinit")});
    row({Label2 = label("Label2", "Juros (%):"), txtJuros = edit("txtJuros")});
    row({Label3 = label("Label3", "Tempo:"), txtTempo = edit("txtTempo")});
    row({lblResposta = answer("Resposta:")});
    std::tie(Button1, Button2, FlatButton1) = standardButtons(lblResposta);
    onClick(Button1, &TfrmJurosCompostos::Button1Click);
    finish("Juros compostos");
}

void TfrmJurosCompostos::Button1Click() {
    if (!valid({txtJuros, txtTempo, txtVinit}, validation::mustBeNumeric)) return;
    const auto t = typed(txtTempo), i = typed(txtJuros), P = typed(txtVinit);
    conclude(formulas::JurosCompostos::calculate(t, i, P), lblResposta);
}
