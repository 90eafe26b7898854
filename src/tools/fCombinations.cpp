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
    const auto n = typed(txtN), p = typed(txtP);
    conclude(formulas::Combinations::calculate(n, p), lblResposta);
}
