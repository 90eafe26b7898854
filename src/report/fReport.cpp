#include "report/fReport.h"

#include "ui/frames.h"
#include "platform/guard.h"
#include "report/report.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

using namespace calvorin;

TfrmReport::TfrmReport(QWidget* parent) : QWidget(parent) {
    setObjectName("frmReport");
    Label1 =
        new QLabel("O gerador de relatórios salva em disco todas as operações executadas pelo Calvorin de "
                   "modo que estas possam ser avaliadas posteriormente.",
                   this);
    Label1->setObjectName("Label1");
    Label1->setWordWrap(true);
    Label1->setFixedWidth(300);
    btnIniciar = makeButton(this, "btnIniciar", "Iniciar");
    btnCancelar = makeButton(this, "btnCancelar", "Cancelar");

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnIniciar);
    buttons->addWidget(btnCancelar);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addLayout(buttons);

    connectGuarded(btnIniciar, &QAbstractButton::clicked, this, &TfrmReport::btnIniciarClick);
    connectGuarded(btnCancelar, &QAbstractButton::clicked, this, &TfrmReport::btnCancelarClick);
    applyFrame(this, Frame{"Gerador de relatórios", Border::Tool, true, false, false});
}

// kept as the program has always written it: hides also when the confirmation window took over
void TfrmReport::btnIniciarClick() {
    report::start();
    hide();
}

void TfrmReport::btnCancelarClick() {
    hide();
}
