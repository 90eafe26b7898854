#include "tools/fMDC.h"

#include "formulas/MDC.h"

using namespace calvorin;

TfrmMDC::TfrmMDC(QWidget* parent) : ToolWindow(parent) {
    setObjectName("frmMDC");
    // kept as the program has always written it: "Números a se calcular o MDC:", the names "txtFat1" and
    // "txtFat2", no accelerators and not on top
    row({Label1 = label("Label1", "Números a se calcular o MDC:")});
    row({txtFat1 = edit("txtFat1"), txtFat2 = edit("txtFat2")});
    // One caption above both numbers: each reads it.
    for (QLineEdit* number : {txtFat1, txtFat2})
        number->setAccessibleName(Label1->text());
    row({lblResposta = answer("Resposta:")});
    std::tie(FlatButton1, FlatButton3, FlatButton2) = plainButtons(lblResposta);
    onClick(FlatButton1, &TfrmMDC::FlatButton1Click);
    finish("Máximo Divisor Comum (MDC)", false, true);
}

void TfrmMDC::FlatButton1Click() {
    if (!valid({txtFat1, txtFat2})) return;
    const auto a = typed(txtFat1), b = typed(txtFat2);
    conclude(formulas::MDC::calculate(a, b), lblResposta);
}
