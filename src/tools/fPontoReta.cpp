#include "tools/fPontoReta.h"

#include "formulas/PontoReta.h"
#include "ui/frames.h"

using namespace calvorin;

TfrmPontoReta::TfrmPontoReta(QWidget* parent) : ToolWindow(parent) {
    setObjectName("frmPontoReta");
    // kept as the program has always written it: the degree sign of "1° grau", the "c" after the constant
    // term, "Coordenadas" spelt right here, and a caption that names the line before the point
    row({Label1 = label("Label1", "Equação de 1° grau:")});
    row({txta = edit("txta", "1"), Label2 = label("Label2", "x"), txtb = edit("txtb", "1"),
         Label3 = label("Label3", "y"), txtc = edit("txtc", "1"), Label4 = label("Label4", "c")});
    row({Label5 = label("Label5", "Coordenadas do ponto:")});
    row({txtposix = edit("txtposix", "1"), Label6 = label("Label6", "x"), txtposiy = edit("txtposiy", "1"),
         Label7 = label("Label7", "y")});
    // Each coefficient and coordinate is read out with the letter that follows it, not the one before.
    const std::pair<QLabel*, QWidget*> terms[] = {
        {Label2, txta}, {Label3, txtb}, {Label4, txtc}, {Label6, txtposix}, {Label7, txtposiy}};
    for (const auto& [letter, input] : terms)
        labelControl(letter, input);
    row({lblResposta = answer("Resposta:")});
    std::tie(FlatButton1, FlatButton3, FlatButton2) = plainButtons(lblResposta);
    onClick(FlatButton1, &TfrmPontoReta::FlatButton1Click);
    finish("Distância entre uma reta e um ponto", false);
}

void TfrmPontoReta::FlatButton1Click() {
    if (!valid({txta, txtb, txtc, txtposix, txtposiy})) return;
    const auto a = typed(txta), b = typed(txtb), c = typed(txtc), x0 = typed(txtposix), y0 = typed(txtposiy);
    conclude(formulas::PontoReta::calculate(a, b, c, x0, y0), lblResposta);
}
