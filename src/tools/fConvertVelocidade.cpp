#include "tools/fConvertVelocidade.h"

#include "formulas/ConvertVelocidade.h"

using namespace calvorin;

TfrmConvertVelocidade::TfrmConvertVelocidade(QWidget* parent) : ToolWindow(parent) {
    setObjectName("frmConvertVelocidade");
    row({Label1 = label("Label1", "Valor:"), txtValor = edit("txtValor", "100")});
    row({opt1 = radio("opt1", "Km/h para Metro/seg", true)});
    row({opt2 = radio("opt2", "Metro/seg para Km/h")});
    row({lblResposta = answer("Resposta:")});
    // This window's buttons have no accelerators.
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
    const formulas::Typed<> v{number(txtValor), txtValor->text().toStdString()};
    if (!opt1->isChecked() && !opt2->isChecked()) return;
    const bool toMs = opt1->isChecked();
    const auto result =
        formulas::ConvertVelocidade::calculate(toMs ? Direction::kmhToMs : Direction::msToKmh, v);
    display(lblResposta, result.answer);
    if (toMs)
        record(
            {"Transformando km/h para m/seg", txtValor->text() + " Km/h =" + lblResposta->text() + " m/seg"});
    else
        record({"Transformando m/seg para Km/h",
                txtValor->text() + " m/seg = " + lblResposta->text() + " Km/h"});
    solved(result.steps);
}
