#pragma once
// What the two polygon windows share: the number of sides in, one answer out, and plain buttons.
#include "ui/toolwindow.h"

class PolygonWindow : public calvorin::ToolWindow {
    Q_OBJECT
public:
    QLabel *Label1, *lblResposta;
    calvorin::FlatEdit* txtValor;
    calvorin::FlatButton *FlatButton1, *FlatButton2, *FlatButton3;

public slots:
    virtual void FlatButton1Click() = 0;

protected:
    PolygonWindow(QWidget* parent, const QString& sides);
    // Connects the calculate button and sets the frame: a normal window, not on top.
    void finish(const QString& caption);
};
