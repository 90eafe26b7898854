#include "app/fComandos.h"

#include "app/Korvanta.h"
#include "platform/guard.h"
#include "platform/help.h"
#include "ui/frames.h"
#include "widgets/TFlatButtonUnit.h"

#include <QAction>
#include <QBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextCursor>

using namespace calvorin;

namespace {

// Only A to Z are lowered; accented capitals stay as typed.
QString lowerAsciiLetters(QString text) {
    for (QChar& c : text)
        if (c >= u'A' && c <= u'Z') c = QChar(c.unicode() + ('a' - 'A'));
    return text;
}

bool isUndoKey(const QKeyEvent* key) {
    return key->key() == Qt::Key_Z && (key->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier;
}

} // namespace

TfrmComandos::TfrmComandos(QWidget* parent) : QMainWindow(parent) {
    setObjectName("frmComandos");

    QMenu* comandos = menuBar()->addMenu("&Comandos");
    mnuLista = comandos->addAction("Lista de comandos");
    mnuLista->setObjectName("mnuLista");
    mnuLista->setShortcut(Qt::Key_F1);
    mnuUltimo = comandos->addAction("Último comando");
    mnuUltimo->setObjectName("mnuUltimo");
    mnuUltimo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));

    auto* client = new QWidget(this);
    client->setFixedSize(564, 210);
    setCentralWidget(client);

    visor = new QPlainTextEdit(client);
    visor->setObjectName("visor");
    visor->setReadOnly(true);
    visor->setFocusPolicy(Qt::ClickFocus);
    visor->setLineWrapMode(QPlainTextEdit::NoWrap);
    visor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    visor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    appendLine("Interpretador de comandos do Calvorin 2.1");
    appendLine("Para obter uma lista com todos os comandos do Calvorin, digite ?, ajuda ou help.");

    txtcomando = new QLineEdit("?", client);
    txtcomando->setObjectName("txtcomando");
    txtcomando->installEventFilter(this);
    // kept as the program has always written it: a button named with an edit's prefix, "txtExec"
    txtExec = makeButton(client, "txtExec", "Executar");
    Button2 = makeButton(client, "Button2", "Fechar");
    for (QAbstractButton* button : {txtExec, Button2})
        button->setFocusPolicy(Qt::NoFocus); // the focus stays in the edit

    auto* input = new QHBoxLayout;
    input->addWidget(txtcomando, 1);
    input->addWidget(txtExec);
    input->addWidget(Button2);
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(visor, 1);
    layout->addLayout(input);

    connectGuarded(txtExec, &QAbstractButton::clicked, this, &TfrmComandos::txtExecClick);
    connectGuarded(Button2, &QAbstractButton::clicked, this, &TfrmComandos::Button2Click);
    connectGuarded(mnuLista, &QAction::triggered, this, &TfrmComandos::mnuListaClick);
    connectGuarded(mnuUltimo, &QAction::triggered, this, &TfrmComandos::mnuUltimoClick);

    applyFrame(this, Frame{"Interpretador de comandos"});
    txtcomando->setFocus();
}

// The memo's text is every line followed by a line break, so an empty line stays visible as one
// line and a cleared memo has none.
void TfrmComandos::appendLine(const QString& line) {
    QTextCursor cursor(visor->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(line + u'\n');
    visor->setTextCursor(cursor);
    visor->ensureCursorVisible();
}

void TfrmComandos::clearOutput() {
    visor->clear();
}

QStringList TfrmComandos::lines() const {
    QStringList result = visor->toPlainText().split(u'\n');
    result.removeLast(); // what follows the last line break
    return result;
}

void TfrmComandos::txtExecClick() {
    korvanta::execute(lowerAsciiLetters(txtcomando->text()), korvanta::Interactive);
    appendLine(QString());
    lastCommand_ = txtcomando->text();
    txtcomando->clear();
}

void TfrmComandos::Button2Click() {
    close();
}

void TfrmComandos::mnuListaClick() {
    helpRequest("cv21.hlp", 2, "comandos");
}

void TfrmComandos::mnuUltimoClick() {
    txtcomando->setText(lastCommand_);
}

// Enter and Esc reach the window from whichever control ignores them: the default and cancel buttons.
void TfrmComandos::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        runGuarded([this] { txtExecClick(); });
        return;
    case Qt::Key_Escape:
        runGuarded([this] { Button2Click(); });
        return;
    default:
        QMainWindow::keyPressEvent(event);
    }
}

// Ctrl+Z belongs to "Último comando", not to the edit's own undo.
bool TfrmComandos::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtcomando &&
        (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) &&
        isUndoKey(static_cast<QKeyEvent*>(event))) {
        // Left unaccepted, the override lets the menu's shortcut fire; a key press that still
        // arrives (window not active) runs the item here.
        if (event->type() == QEvent::KeyPress) runGuarded([this] { mnuUltimoClick(); });
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}
