#include "tools/fTrigonometria.h"

#include <QGroupBox>

#include <cmath>
#include <numbers>

using namespace calvorin;

TfrmTrigonometria::TfrmTrigonometria(QWidget* parent) : ToolWindow(parent) {
    setObjectName("frmTrigonometria");
    row({Label1 = label("Label1", "Função:"),
         cmbFunction =
             combo("cmbFunction", {"Cosecante", "Coseno", "Cotangente", "Secante", "Seno", "Tangente"})});
    cmbFunction->setSorted(true);
    row({Label2 = label("Label2", "Valor do angulo:"), txtValor = edit("txtValor")});
    GroupBox1 = group("GroupBox1", "Escala",
                      {{optGraus = radio("optGraus", "Graus", true)}, {optRadianos = radio("optRadianos", "Radianos")}});
    row({GroupBox1});
    row({lblResposta = answer("Resposta:")});
    std::tie(Button1, Button2, FlatButton1) = standardButtons(lblResposta);
    onClick(Button1, &TfrmTrigonometria::Button1Click);
    finish("Funções Trigonométricas", false);
    optGraus->setFocus();
}

namespace {
// The unit's sine and cosine give 0 beyond their range of 2^63.
Extended sine(Extended r) {
    return std::fabs(r) >= 0x1p63L ? 0 : fpu::sin(r);
}
Extended cosine(Extended r) {
    return std::fabs(r) >= 0x1p63L ? 0 : fpu::cos(r);
}
} // namespace

void TfrmTrigonometria::Button1Click() {
    if (!valid({txtValor}, validation::needToBeNumeric)) return;
    const double x = number(txtValor);
    // Degrees go through the full extended pi, so that the special angles come out exact.
    const Extended r =
        optGraus->isChecked() ? (Real(1) / 180 * std::numbers::pi_v<Extended> * x).toDouble() : x;
    const QString function = cmbFunction->currentText();
    if (function == "Seno")
        display(lblResposta, sine(r));
    else if (function == "Coseno")
        display(lblResposta, cosine(r));
    else if (function == "Tangente")
        display(lblResposta, fpu::tan(r));
    else if (function == "Secante")
        display(lblResposta, 1 / Real(cosine(r)));
    else if (function == "Cosecante")
        display(lblResposta, 1 / Real(sine(r)));
    else if (function == "Cotangente")
        display(lblResposta, 1 / Real(fpu::tan(r)));
}
