#pragma once
// Rule of three: the empty one of four proportional terms.
// Object names and captions here are the program's published names: tests and scripts find controls by them.
#include "ui/toolwindow.h"

class TfrmRegra3 : public calvorin::ToolWindow {
    Q_OBJECT
public:
    explicit TfrmRegra3(QWidget* parent = nullptr);

    QLabel *Label1, *Image1, *Image2, *lblResposta;
    calvorin::FlatEdit *txt1, *txt2, *txt3, *txt4;
    calvorin::FlatButton *btnCalc, *Button1, *FlatButton1;

public slots:
    void btnCalcClick();
};
