#include "tools/fOperMatrizes.h"

#include "formulas/OperMatrizes.h"
#include "ui/frames.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include <algorithm>

using namespace calvorin;

TfrmOperMatrizes::TfrmOperMatrizes(QWidget* parent) : ToolWindow(parent) {
    setObjectName("frmOperMatrizes");
    // The grids stand left to right: first matrix, the operation with the buttons beneath it, second
    // matrix, "=", result. The operands are short typed numbers; the result takes all the room the rest
    // leaves, enough for five characters (29403, -1,5), and the start of a longer one shows.
    layout()->setContentsMargins(2, 4, 2, 4);
    grid()->setHorizontalSpacing(2);
    const int gridColumn[] = {0, 2, 4};
    for (int m = 1; m <= 3; ++m) {
        auto* matrix = new QGridLayout;
        matrix->setSpacing(1);
        for (int i = 1; i <= 3; ++i)
            for (int j = 1; j <= 3; ++j) {
                FlatEdit* e = edit(QString("t%1%2%3").arg(i).arg(j).arg(m));
                const QMargins margins = e->textMargins();
                e->setTextMargins(0, margins.top(), 0, margins.bottom());
                if (m == 3) answers(e); // the result
                showsFromStart(e);
                t_[m - 1][i - 1][j - 1] = e;
                matrix->addWidget(e, i - 1, j - 1);
            }
        grid()->addLayout(matrix, 0, gridColumn[m - 1], Qt::AlignVCenter);
    }
    // Widths from the texts to show, measured once for all 27 edits (they share one font) and only
    // when the window is first needed. The edits draw no margin of their own, so the text starts
    // after QLineEdit's 2 px and must end before the 1 px outline.
    whenFirstNeeded(this, [this] {
        const QFontMetrics metrics = t_[0][0][0]->fontMetrics();
        const auto width = [&](const char* text) {
            return metrics.horizontalAdvance(QLatin1String(text)) + 2 + 1;
        };
        const int operand = std::max(width("-12"), width("1.5")), result = width("29403") + 1;
        for (int m = 0; m < 3; ++m)
            for (const auto& row : t_[m])
                for (FlatEdit* e : row) {
                    if (m == 2)
                        e->setMinimumWidth(result);
                    else
                        e->setFixedWidth(operand);
                }
    });
    grid()->setColumnStretch(4, 1);
    optAdd = radio("optAdd", "Adição", true);
    optMinus = radio("optMinus", "Subtração");
    optMult = radio("optMult", "Multiplicação");
    RadioGroup1 = group("RadioGroup1", "Operação a ser executada", {{optAdd}, {optMinus}, {optMult}});
    RadioGroup1->layout()->setContentsMargins(8, 2, 8, 2);
    RadioGroup1->layout()->setSpacing(0);
    Label1 = label("Label1", "=");
    QFont big = Label1->font();
    big.setPointSize(16); // large, yet leaving the result its room
    Label1->setFont(big);
    grid()->addWidget(Label1, 0, 3, Qt::AlignCenter);

    Button1 = button("Button1", captions::calculate);
    Button2 = button("Button2", captions::close);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto* operation = new QVBoxLayout;
    operation->setSpacing(4);
    operation->addWidget(RadioGroup1);
    operation->addLayout(buttons);
    grid()->addLayout(operation, 0, 1);
    onClick(Button1, &TfrmOperMatrizes::Button1Click);
    closes(Button2);
    setFixedSize(489, 124);
    finish("Operações com matrizes");
}

void TfrmOperMatrizes::Button1Click() {
    for (int m = 1; m <= 2; ++m)
        for (int i = 1; i <= 3; ++i)
            if (!valid({t(i, 1, m), t(i, 2, m), t(i, 3, m)}, validation::necessarilyNumeric)) return;

    using namespace formulas::OperMatrizes;
    Operands a, b;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            a[i][j] = typed(t_[0][i][j]);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            b[i][j] = typed(t_[1][i][j]);
    const Operation operation = optAdd->isChecked()     ? Operation::add
                                : optMinus->isChecked() ? Operation::subtract
                                                        : Operation::multiply;
    const Result result = calculate(operation, a, b);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            t_[2][i][j]->setText(format(result.answer[i][j]));

    conclude(result);
}
