#include "report/fViewReport.h"

#include "platform/guard.h"
#include "report/report.h"
#include "ui/frames.h"
#include "ui/reportlog.h"
#include "widgets/memo.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

using namespace calvorin;

TfrmViewReport::TfrmViewReport(QWidget* parent) : QWidget(parent), SaveDialog1(report::saveDialog()) {
    setObjectName("frmViewReport");
    txtReport = new Memo(this);
    txtReport->setObjectName("txtReport");
    txtReport->setDocument(reportLog().document()); // the log itself: the user's edits change it
    txtReport->setFrameShape(QFrame::NoFrame);
    txtReport->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtReport->setTabChangesFocus(false); // Tab types a tab
    txtReport->setFixedSize(480, 360);
    btnSalvar = makeButton(this, "btnSalvar", "&Salvar relatório");
    btnSalvar->setToolTip("Salva o relatório gerado em um arquivo texto");
    btnFechar = makeButton(this, "btnFechar", "&Fechar");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnSalvar);
    buttons->addStretch();
    buttons->addWidget(btnFechar);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtReport);
    layout->addLayout(buttons);

    connectGuarded(btnSalvar, &QAbstractButton::clicked, this, &TfrmViewReport::btnSalvarClick);
    connectGuarded(btnFechar, &QAbstractButton::clicked, this, &TfrmViewReport::btnFecharClick);
    applyFrame(this, Frame{"Relatório", Border::Single, false, false, false});
}

void TfrmViewReport::btnSalvarClick() {
    report::save(SaveDialog1);
}

void TfrmViewReport::btnFecharClick() {
    hide();
}
