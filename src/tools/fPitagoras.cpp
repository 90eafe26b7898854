#include "tools/fPitagoras.h"

#include "formulas/Pitagoras.h"
#include "ui/frames.h"

#include <QGroupBox>
#include <QPainter>
#include <QPixmap>
#include <QSignalBlocker>

using namespace calvorin;

namespace {

// The right triangle with its hypotenuse a on the base, the legs b and c, the altitude h and the
// projections m (of b) and n (of c).
QPixmap trianglePicture() {
    const qreal left = 16, right = 216, base = 112, m = 64, n = right - left - m;
    const QPointF B(left, base), C(right, base), H(left + m, base), A(left + m, base - std::sqrt(m * n));
    QPixmap picture(232, 156);
    picture.fill(Qt::white);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.5));
    p.drawPolygon(QPolygonF({A, B, C}));
    p.setPen(QPen(Qt::darkGray, 1, Qt::DashLine));
    p.drawLine(A, H);
    p.setPen(QPen(Qt::black, 1));
    // right angles at the foot of the altitude and at the vertex between the legs
    p.drawPolyline(QPolygonF({H + QPointF(0, -8), H + QPointF(8, -8), H + QPointF(8, 0)}));
    const QPointF toB = (B - A) / QLineF(A, B).length() * 10, toC = (C - A) / QLineF(A, C).length() * 10;
    p.drawPolyline(QPolygonF({A + toB, A + toB + toC, A + toC}));
    QFont font = p.font();
    font.setItalic(true);
    font.setPointSize(11);
    p.setFont(font);
    const auto mark = [&](QPointF at, const char* letter) {
        p.drawText(QRectF(at - QPointF(10, 10), QSizeF(20, 20)), Qt::AlignCenter, letter);
    };
    mark((A + B) / 2 + QPointF(-10, -6), "b");
    mark((A + C) / 2 + QPointF(10, -6), "c");
    mark((A + H) / 2 + QPointF(-8, 8), "h");
    mark((B + H) / 2 + QPointF(0, 10), "m");
    mark((H + C) / 2 + QPointF(0, 10), "n");
    // the whole hypotenuse under its two projections
    p.setPen(QPen(Qt::darkGray, 1));
    p.drawLine(B + QPointF(0, 22), C + QPointF(0, 22));
    p.drawLine(B + QPointF(0, 18), B + QPointF(0, 26));
    p.drawLine(C + QPointF(0, 18), C + QPointF(0, 26));
    p.setPen(Qt::black);
    mark((B + C) / 2 + QPointF(0, 34), "a");
    return picture;
}

} // namespace

TfrmPitagoras::TfrmPitagoras(QWidget* parent) : ToolWindow(parent) {
    setObjectName("frmPitagoras");
    Image1 = label("Image1", {});
    whenFirstNeeded(this, [this] { Image1->setPixmap(trianglePicture()); });
    row({Image1});
    // kept as the program has always written it: "Formula" without its accent
    row({Label1 = label("Label1", "Formula a ser utilizada:")});
    row({cmbFormula = combo("cmbFormula")});
    labelControl(Label1, cmbFormula); // its caption stands on the row above
    row({lbl1 = label("lbl1", "Lado 1:"), txt1 = edit("txt1")});
    row({lbl2 = label("lbl2", "Lado 2:"), txt2 = edit("txt2")});
    row({lbl3 = label("lbl3", "Lado 3:"), txt3 = edit("txt3")});
    GroupBox1 = group("GroupBox1", "Lado a ser encontrado:",
                      {{opta = radio("opta", "a"), optb = radio("optb", "b"), optc = radio("optc", "c")},
                       {opth = radio("opth", "h"), optm = radio("optm", "m"), optn = radio("optn", "n")}});
    row({GroupBox1});
    row({Label2 = label("Label2", "Resposta:"), lblResposta = answer("---")});
    std::tie(Button1, Button2, FlatButton1) = standardButtons(lblResposta);
    connectGuarded(cmbFormula, &QComboBox::currentTextChanged, this, &TfrmPitagoras::cmbformulaChange);
    onClick(opta, &TfrmPitagoras::optaClick);
    onClick(optb, &TfrmPitagoras::optbClick);
    onClick(optc, &TfrmPitagoras::optcClick);
    onClick(opth, &TfrmPitagoras::opthClick);
    onClick(optm, &TfrmPitagoras::optmClick);
    onClick(optn, &TfrmPitagoras::optnClick);
    onClick(Button1, &TfrmPitagoras::Button1Click);
    finish("Teorema de Pitágoras");
    opta->setFocus();
}

void TfrmPitagoras::list(char side) {
    QStringList texts;
    for (const auto& f : formulas::Pitagoras::relations)
        if (f.side == side) texts << QString::fromUtf8(f.text);
    // Refilling the list is no pick of the user's: it must not change the chosen formula.
    const QSignalBlocker quiet(cmbFormula);
    cmbFormula->setItems(texts);
    cmbFormula->clearEditText();
}

void TfrmPitagoras::cmbformulaChange() {
    const auto& relations = formulas::Pitagoras::relations;
    for (int i = 0; i < int(relations.size()); ++i)
        if (cmbFormula->currentText() == QString::fromUtf8(relations[i].text)) formula_ = i + 1;
    if (formula_ == 0) return;
    QLabel* const captions[] = {lbl1, lbl2, lbl3};
    for (int i = 0; i < 3; ++i)
        captions[i]->setText(QString::fromUtf8(relations[formula_ - 1].inputs[i]));
}

void TfrmPitagoras::Button1Click() {
    // kept as the program has always written it: the third length is checked also for the relations of two
    if (!valid({txt1, txt2, txt3})) return;
    const auto t1 = typed(txt1), t2 = typed(txt2);
    // An empty third length counts as 0, and the worked solution shows it so.
    const auto t3 = txt3->text().isEmpty() ? Typed<>{0, "0"} : typed(txt3);
    std::string side;
    for (const FlatRadioButton* option : {opta, optb, optc, optm, optn, opth})
        if (option->isChecked()) side = option->text().toStdString();
    const std::string expression = cmbFormula->currentText().toStdString();
    // kept as the program has always written it: without a formula nothing is calculated, yet the click is
    // recorded with the answer as it was
    if (formula_ == 0)
        record(formulas::Pitagoras::report(side, expression, lblResposta->text().toStdString()));
    else
        conclude(formulas::Pitagoras::calculate(formula_, t1, t2, t3, side, expression), lblResposta);
}
