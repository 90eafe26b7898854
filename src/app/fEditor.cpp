#include "app/fEditor.h"

#include "app/Korvanta.h"
#include "platform/guard.h"
#include "platform/help.h"
#include "platform/textfile.h"
#include "ui/frames.h"
#include "widgets/memo.h"

#include <QAction>
#include <QBoxLayout>
#include <QFileInfo>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QShowEvent>
#include <QToolBar>
#include <QToolButton>

using namespace calvorin;

namespace {

const QString scriptFile = "autoexec.cv1";
const QString previewFile = "script.tmp";

QToolButton* makeToolButton(QToolBar* bar, const char* name, const char* picture, const QString& hint) {
    auto* button = new QToolButton(bar);
    button->setObjectName(name);
    // An icon reads its picture at once: wait until the editor is first shown.
    whenFirstNeeded(bar->window(),
                    [button, picture] { button->setIcon(QIcon(QString(":/pictures/") + picture)); });
    button->setToolTip(hint);
    button->setAccessibleName(hint); // a picture alone names nothing for a screen reader
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    bar->addWidget(button);
    return button;
}

QAction* makeAction(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

} // namespace

TfrmEditor::TfrmEditor(QWidget* parent) : QMainWindow(parent) {
    setObjectName("frmEditor");

    QMenu* arquivo = menuBar()->addMenu("&Arquivo");
    Salvar1 = makeAction(arquivo, "Salvar1", "Salvar");
    Salvar1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    QMenu* editar = menuBar()->addMenu("&Editar");
    Recortar1 = makeAction(editar, "Recortar1", "Recortar");
    Copiar1 = makeAction(editar, "Copiar1", "Copiar");
    Colar1 = makeAction(editar, "Colar1", "Colar");
    // kept as the program has always written it: "Preview" in English, here and on the toolbar's link
    Preview1 = menuBar()->addAction("&Preview"); // acts at once, no drop-down
    Preview1->setObjectName("Preview1");
    QMenu* ajuda = menuBar()->addMenu("&Ajuda");
    ComandosdoKorvanta1 = makeAction(ajuda, "ComandosdoKorvanta1", "Comandos do Korvanta");
    ComandosdoKorvanta1->setShortcut(Qt::Key_F1);

    auto* client = new QWidget(this);
    client->setFixedSize(526, 312);
    setCentralWidget(client);

    auto* bar = new QToolBar(client);
    bar->setObjectName("ToolBar1");
    bar->setIconSize(QSize(32, 32));
    ToolButton1 = makeToolButton(bar, "ToolButton1", "salvar.png", "Salvar");
    bar->addSeparator();
    ToolButton3 = makeToolButton(bar, "ToolButton3", "recortar.png", "Recortar");
    ToolButton4 = makeToolButton(bar, "ToolButton4", "copiar.png", "Copiar");
    ToolButton5 = makeToolButton(bar, "ToolButton5", "colar.png", "Colar");
    bar->addSeparator();
    btnPreview = makeLink(bar, "btnPreview", "Preview");
    QFont linkFont = btnPreview->font();
    linkFont.setBold(true);
    linkFont.setUnderline(true);
    btnPreview->setFont(linkFont);
    setTextColour(btnPreview, Qt::blue);
    bar->addWidget(btnPreview);

    texto = new Memo("sobre", client);
    texto->setObjectName("texto");
    texto->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(texto, 1);

    connectGuarded(Salvar1, &QAction::triggered, this, &TfrmEditor::Salvar1Click);
    connectGuarded(Recortar1, &QAction::triggered, this, &TfrmEditor::Recortar1Click);
    connectGuarded(Copiar1, &QAction::triggered, this, &TfrmEditor::Copiar1Click);
    connectGuarded(Colar1, &QAction::triggered, this, &TfrmEditor::Colar1Click);
    connectGuarded(Preview1, &QAction::triggered, this, &TfrmEditor::Preview1Click);
    connectGuarded(ComandosdoKorvanta1, &QAction::triggered, this, &TfrmEditor::ComandosdoKorvanta1Click);
    connectGuarded(ToolButton1, &QToolButton::clicked, this, &TfrmEditor::Salvar1Click);
    connectGuarded(ToolButton3, &QToolButton::clicked, this, &TfrmEditor::Recortar1Click);
    connectGuarded(ToolButton4, &QToolButton::clicked, this, &TfrmEditor::Copiar1Click);
    connectGuarded(ToolButton5, &QToolButton::clicked, this, &TfrmEditor::Colar1Click);
    connectGuarded(btnPreview, &LinkLabel::clicked, this, &TfrmEditor::Preview1Click);

    applyFrame(this, Frame{"Script de inicialização"});
}

QStringList TfrmEditor::scriptLines() const {
    const QString text = textOf(*texto->document());
    if (text.isEmpty()) return {};
    QStringList lines = text.split(u'\n');
    if (text.endsWith(u'\n')) lines.removeLast();
    return lines;
}

// Only a hidden-to-visible change counts: restoring a minimised editor loads nothing.
void TfrmEditor::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!event->spontaneous()) runGuarded([this] { FormShow(); });
}

void TfrmEditor::FormShow() {
    if (QFileInfo(scriptFile).isFile()) texto->setPlainText(readTextFile(scriptFile));
}

void TfrmEditor::Salvar1Click() {
    writeLinesFile(scriptFile, scriptLines());
}

void TfrmEditor::Recortar1Click() {
    texto->cut();
}
void TfrmEditor::Copiar1Click() {
    texto->copy();
}
void TfrmEditor::Colar1Click() {
    texto->paste();
}

void TfrmEditor::Preview1Click() {
    writeLinesFile(previewFile, scriptLines());
    korvanta::runFile(previewFile);
}

void TfrmEditor::ComandosdoKorvanta1Click() {
    // kept as the program has always written it: "Comandos do Korvanta" opens the keyword search, not the
    // commands' topic
    helpRequest("cv21.hlp", 1, "");
}
