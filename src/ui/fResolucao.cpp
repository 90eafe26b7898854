#include "ui/fResolucao.h"

#include "platform/clipboard.h"
#include "platform/guard.h"
#include "platform/memo.h"
#include "ui/frames.h"
#include "ui/linklabel.h"
#include "ui/toolwindow.h"

#include <QHBoxLayout>
#include <QShortcut>
#include <QVBoxLayout>

using namespace calvorin;

namespace {
const QString noneYet = QStringLiteral("Nenhum cálculo concluído.");
}

TfrmResolucao::TfrmResolucao(QWidget* parent) : QWidget(parent) {
    setObjectName("frmResolucao");
    lblJanela = new QLabel(this);
    lblJanela->setObjectName("lblJanela");
    lblJanela->setTextFormat(Qt::PlainText);
    setBold(lblJanela);
    txtPassos = new Memo(this);
    txtPassos->setObjectName("txtPassos");
    txtPassos->setReadOnly(true);
    txtPassos->setAccessibleName("Passos");
    // A size students read formulas at, a little above the window text.
    QFont font = txtPassos->font();
    font.setPointSizeF(font.pointSizeF() * 1.15);
    txtPassos->setFont(font);
    txtPassos->setFixedSize(440, 300);
    btnCopiar = makeButton(this, "btnCopiar", "Copiar");
    btnFechar = makeButton(this, "btnFechar", "&Fechar");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnCopiar);
    buttons->addStretch();
    buttons->addWidget(btnFechar);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblJanela);
    layout->addWidget(txtPassos);
    layout->addLayout(buttons);
    connectGuarded(btnCopiar, &QAbstractButton::clicked, this, &TfrmResolucao::btnCopiarClick);
    connectGuarded(btnFechar, &QAbstractButton::clicked, this, &TfrmResolucao::btnFecharClick);
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &TfrmResolucao::btnFecharClick);
    refresh();
    applyFrame(this, Frame{"Resolução passo a passo", Border::Single, true, false, true});
}

void TfrmResolucao::follow(ToolWindow* tool) {
    if (tool != tool_) {
        disconnect(watch_);
        tool_ = tool;
        watch_ = connect(tool, &ToolWindow::stepsChanged, this, &TfrmResolucao::refresh);
    }
    refresh();
}

void TfrmResolucao::refresh() {
    lblJanela->setText(tool_ ? tool_->windowTitle() : QString());
    const bool none = !tool_ || tool_->steps().isEmpty();
    txtPassos->setPlainText(none ? noneYet : tool_->steps().join('\n'));
}

void TfrmResolucao::btnCopiarClick() {
    setClipboardText(txtPassos->toPlainText());
}
