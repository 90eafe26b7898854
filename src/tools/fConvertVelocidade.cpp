#include "tools/fConvertVelocidade.h"

#include "formulas/ConvertVelocidade.h"

using namespace calvorin;

TfrmConvertVelocidade::TfrmConvertVelocidade(QWidget* parent) : ToolWindow(parent) {
    setObjectName("frmConvertVelocidade");
    row({Label1 = label("Label1", "Valor:"), txtValor = edit("txtValor", "100")});
    // kept as the program has always written it: "Km/h" and "Metro/seg"
    row({opt1 = radio("opt1", "Km/h para Metro/seg", true)});
    row({opt2 = radio("opt2", "Metro/seg para Km/h")});
    row({lblResposta = answer("Resposta:")});
    // kept as the program has always written it: this window's buttons have no accelerators
    btnCalc = button("btnCalc", "Calcular");
    FlatButton2 = button("FlatButton2", captions::copy);
    FlatButton3 = button("FlatButton3", "Fechar");
    buttonRow({btnCalc, FlatButton2, FlatButton3});
    onClick(btnCalc, &TfrmConvertVelocidade::btnCalcClick);
    copies(FlatButton2, lblResposta);
    closes(FlatButton3);
    finish("Conversor de velocidades", false);
}

void TfrmConvertVelocidade::btnCalcClick() {
    if (!valid({txtValor})) return;
    using formulas::ConvertVelocidade::Direction;
    const auto v = typed(txtValor);
    if (!opt1->isChecked() && !opt2->isChecked()) return;
    const Direction direction = opt1->isChecked() ? Direction::kmhToMs : Direction::msToKmh;
    conclude(formulas::ConvertVelocidade::calculate(direction, v), lblResposta);
}
