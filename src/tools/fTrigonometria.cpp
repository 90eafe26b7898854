#include "tools/fTrigonometria.h"

#include "formulas/Trigonometria.h"

#include <QGroupBox>

using namespace calvorin;

namespace {
QStringList items() {
    QStringList names;
    for (const auto& f : formulas::Trigonometria::functions)
        names << f.item;
    return names;
}
} // namespace

TfrmTrigonometria::TfrmTrigonometria(QWidget* parent) : ToolWindow(parent) {
    setObjectName("frmTrigonometria");
    row({Label1 = label("Label1", "Função:"), cmbFunction = combo("cmbFunction", items())});
    cmbFunction->setSorted(true);
    // kept as the program has always written it: "angulo" without its accent
    row({Label2 = label("Label2", "Valor do angulo:"), txtValor = edit("txtValor")});
    GroupBox1 = group(
        "GroupBox1", "Escala",
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
    const auto x = typed(txtValor);
    // The item the combo box's text names exactly; a text typed into it that names none does nothing.
    const int item = cmbFunction->findText(cmbFunction->currentText());
    if (item < 0) return;
    conclude(formulas::Trigonometria::calculate(item, x, optGraus->isChecked()), lblResposta);
}
