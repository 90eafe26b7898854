#pragma once
// The start-up script editor: edits autoexec.cv1, saves it, and runs the edited lines as a preview.
// Object names and captions here are the program's published names: tests and scripts find controls by them.
#include "ui/linklabel.h"

#include <QMainWindow>
#include <QStringList>

class QAction;
class QPlainTextEdit;
class QToolButton;

class TfrmEditor : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmEditor(QWidget* parent = nullptr);

    // The memo's lines as they are saved: a final line break adds no empty line.
    QStringList scriptLines() const;

    QPlainTextEdit* texto = nullptr;
    QToolButton* ToolButton1 = nullptr;
    QToolButton* ToolButton3 = nullptr;
    QToolButton* ToolButton4 = nullptr;
    QToolButton* ToolButton5 = nullptr;
    calvorin::LinkLabel* btnPreview = nullptr;
    QAction* Salvar1 = nullptr;
    QAction* Recortar1 = nullptr;
    QAction* Copiar1 = nullptr;
    QAction* Colar1 = nullptr;
    QAction* Preview1 = nullptr;
    QAction* ComandosdoKorvanta1 = nullptr;

    void FormShow();
    void Salvar1Click();
    void Recortar1Click();
    void Copiar1Click();
    void Colar1Click();
    void Preview1Click();
    void ComandosdoKorvanta1Click();

protected:
    void showEvent(QShowEvent* event) override;
};
