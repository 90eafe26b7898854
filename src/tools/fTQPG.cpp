#include "tools/fTQPG.h"

#include "formulas/TQPG.h"

using namespace calvorin;

TfrmTQPG::TfrmTQPG(QWidget* parent) : ToolWindow(parent) {
    setObjectName("frmTQPG");
    row({Label1 = label("Label1", "Termo a ser encontrado:"), txtn = edit("txtn")});
    row({Label2 = label("Label2", "Primeiro termo da PG:"), txtpt = edit("txtpt")});
    row({Label3 = label("Label3", "Razão da PG:"), txtq = edit("txtq")});
    row({lblResposta = answer("Resposta:")});
    std::tie(Button1, Button2, FlatButton1) = standardButtons(lblResposta);
    onClick(Button1, &TfrmTQPG::Button1Click);
    finish("Termo qualquer de uma PG");
}

void TfrmTQPG::Button1Click() {
    if (!valid({txtpt, txtn, txtq}, validation::needToBeNumeric)) return;
    const double a1 = number(txtpt), n = number(txtn), q = number(txtq);
    const auto result = formulas::TQPG::calculate(
        {a1, txtpt->text().toStdString()}, {n, txtn->text().toStdString()}, {q, txtq->text().toStdString()});
    display(lblResposta, result.answer);
    record({"Termo qualquer de uma PG", "Termo a ser encontrado = " + txtn->text(),
            "Primeiro termo da PG = " + txtpt->text(), "Razão da PG = " + txtq->text(),
            "Termo encontrado = " + lblResposta->text()});
    solved(result.steps);
}
