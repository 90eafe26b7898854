#include "tools/fRegra3.h"

#include "formulas/Regra3.h"

#include <QPainter>
#include <QPixmap>

using namespace calvorin;

namespace {
QPixmap rightArrow() {
    QPixmap arrow(32, 16);
    arrow.fill(Qt::white);
    QPainter p(&arrow);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(2, 8, 28, 8);
    p.drawLine(22, 3, 29, 8);
    p.drawLine(22, 13, 29, 8);
    return arrow;
}
} // namespace

TfrmRegra3::TfrmRegra3(QWidget* parent) : ToolWindow(parent) {
    setObjectName("frmRegra3");
    row({Label1 = label("Label1", "Simplesmente deixe o campo que você deseja calcular vazio.")});
    Image1 = label("Image1", {});
    Image2 = label("Image2", {});
    for (QLabel* image : {Image1, Image2})
        image->setPixmap(rightArrow());
    row({txt1 = edit("txt1"), Image1, txt2 = edit("txt2")});
    row({txt3 = edit("txt3"), Image2, txt4 = edit("txt4")});
    row({lblResposta = answer("Resposta:")});
    std::tie(btnCalc, Button1, FlatButton1) = standardButtons(lblResposta, "btnCalc", "Button1");
    onClick(btnCalc, &TfrmRegra3::btnCalcClick);
    // kept as the program has always written it: "Regra de três" here, "Regra de 3" in the menus and links
    finish("Regra de três");
}

void TfrmRegra3::btnCalcClick() {
    if (!valid({txt1, txt2, txt3, txt4}, validation::needToBeNumeric)) return;
    const FlatEdit* fields[4] = {txt1, txt2, txt3, txt4};
    // Only conversion errors are the user's doing here (a second empty field, a lone minus sign);
    // a zero divisor goes on to the error box. Nothing is ever recorded.
    convertOrTell(
        // kept as the program has always written it: the message blames all fields filled, which shows
        // nothing
        "Algo deu errado. Você deixou mais de um espaço em branco ou então preencheu todos os campos.", [&] {
            for (int k = 0; k < 4; ++k) {
                if (!fields[k]->text().isEmpty()) continue;
                std::array<Typed<>, 4> x = {};
                for (int i = 0; i < 4; ++i)
                    if (i != k) x[i] = typed(fields[i]);
                conclude(formulas::Regra3::calculate(k, x), lblResposta);
            }
        });
}
