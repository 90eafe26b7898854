#include "ui/fResolucao.h"

#include "platform/clipboard.h"
#include "platform/guard.h"
#include "ui/frames.h"
#include "ui/linklabel.h"
#include "ui/registry.h"
#include "ui/toolwindow.h"
#include "widgets/memo.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

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
    // A formula broken in the middle reads as two; a long line scrolls sideways instead.
    txtPassos->setLineWrapMode(QPlainTextEdit::NoWrap);
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
    closeOnEscape(this, [this] { btnFecharClick(); });
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

void TfrmResolucao::open(ToolWindow* tool) {
    const bool beside = !isVisible() || tool != tool_;
    follow(tool);
    if (beside) placeBeside(tool);
    showWindow(this);
}

void TfrmResolucao::placeBeside(const QWidget* tool) {
    makeReady(this); // fixes the size
    const QRect window = tool->frameGeometry(), inner = tool->geometry();
    // Before it is first shown this window has no frame yet: it gets one like the tool window's.
    const QSize size =
        this->size().grownBy(QMargins(inner.left() - window.left(), inner.top() - window.top(),
                                      window.right() - inner.right(), window.bottom() - inner.bottom()));
    const QScreen* screen = tool->screen() ? tool->screen() : QGuiApplication::primaryScreen();
    const QRect room = screen->availableGeometry();
    // To its right, else below it, else to its left: the first place on screen that leaves the
    // inputs free, or, on a screen too small for any, the one that covers least of them.
    const int gap = 8;
    const QPoint places[] = {{window.right() + 1 + gap, window.top()},
                             {window.left(), window.bottom() + 1 + gap},
                             {window.left() - gap - size.width(), window.top()}};
    QRect best;
    qint64 least = -1;
    for (const QPoint place : places) {
        QRect r(place, size);
        r.moveLeft(std::clamp(r.left(), room.left(), std::max(room.left(), room.right() + 1 - r.width())));
        r.moveTop(std::clamp(r.top(), room.top(), std::max(room.top(), room.bottom() + 1 - r.height())));
        const QRect covered = r.intersected(window);
        const qint64 area = qint64(covered.width()) * covered.height();
        if (least < 0 || area < least) best = r, least = area;
    }
    move(best.topLeft());
}

void TfrmResolucao::refresh() {
    lblJanela->setText(tool_ ? tool_->windowTitle() : QString());
    const bool none = !tool_ || tool_->steps().isEmpty();
    txtPassos->setPlainText(none ? noneYet : tool_->steps().join('\n'));
}

void TfrmResolucao::btnCopiarClick() {
    setClipboardText(txtPassos->toPlainText());
}
