#pragma once
// "Resolução passo a passo": the worked solution of the last calculation that ended well in the tool
// window it was opened from, kept up to date while it is open.
// Object names and captions here are the program's published names: tests and scripts find controls by them.
#include "widgets/TFlatButtonUnit.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QWidget>

namespace calvorin {
class ToolWindow;
}

class TfrmResolucao : public QWidget {
    Q_OBJECT
public:
    explicit TfrmResolucao(QWidget* parent = nullptr);

    QLabel* lblJanela; // the tool window's caption
    QPlainTextEdit* txtPassos;
    TFlatButton *btnCopiar, *btnFechar;

    // From now on shows the steps of that tool window, and follows its calculations.
    void follow(calvorin::ToolWindow* tool);
    // Follows the tool window and shows itself: beside it when it opens or changes windows, as the
    // user left it otherwise.
    void open(calvorin::ToolWindow* tool);
    calvorin::ToolWindow* following() const { return tool_; }

public slots:
    void btnCopiarClick();
    void btnFecharClick() { hide(); }

private:
    void refresh();
    void placeBeside(const QWidget* tool);

    QPointer<calvorin::ToolWindow> tool_;
    QMetaObject::Connection watch_;
};
