#include "tools/fCombinations.h"

#include "formulas/Combinations.h"

using namespace calvorin;

TfrmCombinations::TfrmCombinations(QWidget* parent) : ToolWindow(parent) {
    setObjectName("frmCombinations");
    row({Label1 = label("Label1", "Número de elementos:"), txtN = edit("txtN")});
    row({Label2 = label("Label2", "Agrupamentos de quantos?"), txtP = edit("txtP")});
    row({lblResposta = answer("Resposta:")});
    std::tie(btnCalc, Button2, FlatButton1) = standardButtons(lblResposta, "btnCalc");
    onClick(btnCalc, &TfrmCombinations::btnCalcClick);
    finish("Combinações Simples");
}

void TfrmCombinations::btnCalcClick() {
    if (!valid({txtN, txtP}, validation::mustBeReal)) return;
    const double n = number(txtN), p = number(txtP);
    const auto result =
        formulas::Combinations::calculate({n, txtN->text().toStdString()}, {p, txtP->text().toStdString()});
    display(lblResposta, result.answer);
    record({"Cálculo de combinações simples", "Número de elementos: " + txtN->text(),
            "Agrupamentos de " + txtP->text(), "Resposta: " + lblResposta->text()});
    solved(result.steps);
}
