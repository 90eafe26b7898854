#include "report/fConfirmNR.h"

#include "ui/frames.h"
#include "platform/guard.h"
#include "report/report.h"

#include <QVBoxLayout>

using namespace calvorin;

TfrmConfirmNR::TfrmConfirmNR(QWidget* parent) : QWidget(parent), SaveDialog1(report::saveDialog()) {
    setObjectName("frmConfirmNR");
    Label1 =
        new QLabel("Atualmente já existe um relatório gerado pelo Calvorin. O que você deseja fazer?", this);
    Label1->setObjectName("Label1");
    Label1->setWordWrap(true);
    Label1->setFixedWidth(300);
    // kept as the program has always written it: the first button's caption ends in a full stop, the second's
    // does not
    Button1 = makeButton(this, "Button1", "Iniciar outro relatório e salvar o atual.");
    Button2 = makeButton(this, "Button2", "Iniciar outro relatório sem salvar o atual");
    Button3 = makeButton(this, "Button3", "Cancelar");
    for (TFlatButton* button : {Button1, Button2, Button3})
        button->setFixedWidth(Label1->width()); // one above the other, as wide as the question

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Button1);
    layout->addWidget(Button2);
    layout->addWidget(Button3);

    connectGuarded(Button1, &QAbstractButton::clicked, this, &TfrmConfirmNR::Button1Click);
    connectGuarded(Button2, &QAbstractButton::clicked, this, &TfrmConfirmNR::Button2Click);
    connectGuarded(Button3, &QAbstractButton::clicked, this, &TfrmConfirmNR::Button3Click);
    applyFrame(this, Frame{"Esperando confirmação do usuário", Border::Tool, true, true, false});
}

// kept as the program has always written it: the window stays open after this button. The new report starts
// only once the current one is safely on disk.
void TfrmConfirmNR::Button1Click() {
    if (!report::save(SaveDialog1)) return;
    report::startAnother();
}

void TfrmConfirmNR::Button2Click() {
    report::startAnother();
    hide();
}

void TfrmConfirmNR::Button3Click() {
    hide();
}
