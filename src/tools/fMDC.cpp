#include "tools/fMDC.h"

#include "core/numbers.h"

#include <algorithm>
#include <cstdint>

using namespace calvorin;

namespace {
// A step's integer is read back from the number's display text, so a fraction or a number beyond
// 32 bits fails there with that text.
int wholeNumber(double value) {
    return strToInt(ToolWindow::format(value).toStdString());
}
} // namespace

TfrmMDC::TfrmMDC(QWidget* parent) : ToolWindow(parent) {
    setObjectName("frmMDC");
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
    const double a = number(txtFat1), b = number(txtFat2);
    double dividend = std::max(a, b), divisor = std::min(a, b), remainder;
    do {
        const int D = wholeNumber(dividend), d = wholeNumber(divisor);
        if (d == 0) throw IntDivideByZero();
        // In 64 bits: -2147483648 / -1 leaves the 32-bit range.
        const std::int64_t q = std::int64_t{D} / d;
        remainder = (Real(dividend) - Real(Extended(q)) * divisor).toDouble();
        dividend = divisor;
        divisor = remainder;
    } while (remainder != 0);
    display(lblResposta, dividend);
    record({"Cálculo de Máximo Divisor Comum (MDC)",
            "Calculando o MDC de: " + txtFat1->text() + " e " + txtFat2->text(),
            "Resposta obtida: " + lblResposta->text()});
}
