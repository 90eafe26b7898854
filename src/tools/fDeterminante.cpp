#include "tools/fDeterminante.h"

#include "formulas/Determinante.h"

#include <QGridLayout>

using namespace calvorin;

TfrmDeterminante::TfrmDeterminante(QWidget* parent) : ToolWindow(parent) {
    setObjectName("frmDeterminante");
    // The matrix on the left, the answer beside it and the buttons in a column on the right, so that
    // all fits a client area of 377 x 101.
    layout()->setContentsMargins(6, 5, 6, 5);
    grid()->setSpacing(4);
    row({t11 = edit("t11"), t12 = edit("t12"), t13 = edit("t13")});
    row({t21 = edit("t21"), t22 = edit("t22"), t23 = edit("t23")});
    row({t31 = edit("t31"), t32 = edit("t32"), t33 = edit("t33")});
    // Narrow enough to leave the answer room for its longest text, -1,23456789012345E-300.
    for (QLineEdit* e : {t11, t12, t13, t21, t22, t23, t31, t32, t33}) {
        e->setFixedWidth(34);
        showsFromStart(e); // 123456 shows as "1234", not ":456"
    }
    grid()->addWidget(lblResposta = answer("Resposta:"), 0, 3, 3, 1);
    grid()->setColumnStretch(3, 1);
    grid()->addWidget(Button1 = button("Button1", captions::calculate), 0, 4);
    grid()->addWidget(FlatButton1 = button("FlatButton1", captions::copy), 1, 4);
    grid()->addWidget(Button2 = button("Button2", captions::close), 2, 4);
    onClick(Button1, &TfrmDeterminante::Button1Click);
    closes(Button2);
    copies(FlatButton1, lblResposta);
    finish("Determinante de uma matriz");
    setFixedSize(377, 101);
}

void TfrmDeterminante::Button1Click() {
    // kept as the program has always written it: no numeric check here: a text that is not a number ends in
    // the conversion error
    formulas::Determinante::Matrix a;
    const QLineEdit* const edits[3][3] = {{t11, t12, t13}, {t21, t22, t23}, {t31, t32, t33}};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            a[i][j] = typed(edits[i][j]);
    conclude(formulas::Determinante::calculate(a), lblResposta);
}
