#pragma once
// The command window: Korvanta commands typed one line at a time, their output in `visor`.
// Object names and captions here are the program's published names: tests and scripts find controls by them.
#include <QMainWindow>
#include <QStringList>

class QAbstractButton;
class QAction;
class QLineEdit;
class QPlainTextEdit;

class TfrmComandos : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmComandos(QWidget* parent = nullptr);

    // What the dispatcher prints. The memo's lines are the texts appended since the last clear.
    void appendLine(const QString& line);
    void clearOutput();
    QStringList lines() const;

    QString lastCommand() const { return lastCommand_; }

    QPlainTextEdit* visor = nullptr;
    QLineEdit* txtcomando = nullptr;
    QAbstractButton* txtExec = nullptr;
    QAbstractButton* Button2 = nullptr;
    QAction* mnuLista = nullptr;
    QAction* mnuUltimo = nullptr;

    void txtExecClick();
    void Button2Click();
    void mnuListaClick();
    void mnuUltimoClick();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString lastCommand_;
};
