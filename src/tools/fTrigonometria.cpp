#include "tools/fTrigonometria.h"

#include <QGroupBox>

#include <cmath>
#include <numbers>

using namespace calvorin;

namespace {
// The unit's sine and cosine give 0 beyond their range of 2^63.
Extended sine(Extended r) {
    return std::fabs(r) >= 0x1p63L ? 0 : fpu::sin(r);
}
Extended cosine(Extended r) {
    return std::fabs(r) >= 0x1p63L ? 0 : fpu::cos(r);
}

struct Function {
    const char* item;
    Real (*of)(Extended r);
};
// In the combo box's sorted order, so an item's index picks its function.
const Function functions[] = {
    {"Cosecante", [](Extended r) { return 1 / Real(sine(r)); }},
    {"Coseno", [](Extended r) { return Real(cosine(r)); }},
    {"Cotangente", [](Extended r) { return 1 / Real(fpu::tan(r)); }},
    {"Secante", [](Extended r) { return 1 / Real(cosine(r)); }},
    {"Seno", [](Extended r) { return Real(sine(r)); }},
    {"Tangente", [](Extended r) { return Real(fpu::tan(r)); }},
};

QStringList items() {
    QStringList names;
    for (const Function& f : functions)
        names << f.item;
    return names;
}
} // namespace

TfrmTrigonometria::TfrmTrigonometria(QWidget* parent) : ToolWindow(parent) {
    setObjectName("frmTrigonometria");
    row({Label1 = label("Label1", "Função:"), cmbFunction = combo("cmbFunction", items())});
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

void TfrmTrigonometria::Button1Click() {
    if (!valid({txtValor}, validation::needToBeNumeric)) return;
    const double x = number(txtValor);
    // Degrees go through the full extended pi, so that the special angles come out exact.
    const Extended r =
        optGraus->isChecked() ? (Real(1) / 180 * std::numbers::pi_v<Extended> * x).toDouble() : x;
    // The item the combo box's text names exactly; a text typed into it that names none does nothing.
    const int item = cmbFunction->findText(cmbFunction->currentText());
    if (item >= 0) display(lblResposta, functions[item].of(r));
}
