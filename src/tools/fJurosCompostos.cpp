#include "tools/fJurosCompostos.h"

#include "core/numbers.h"

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
    const Real t = number(txtTempo), i = number(txtJuros), p = number(txtVinit);
    const Real rate = Real(0.01L) * i + 1;
    display(lblResposta, power(rate.value(), t.value()) * p);
    record({"Cálculo de juros compostos", "Valor inicial = " + txtVinit->text(),
            "Tempo = " + txtTempo->text(), "Juros = " + txtJuros->text() + "%",
            "Quantia obtida = " + lblResposta->text()});
}
