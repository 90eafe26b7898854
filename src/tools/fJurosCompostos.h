#pragma once
// Compound interest: the amount an initial value reaches at a rate per period.
// Object names and captions here are the program's published names: tests and scripts find controls by them.
#include "ui/toolwindow.h"

class TfrmJurosCompostos : public calvorin::ToolWindow {
    Q_OBJECT
public:
    explicit TfrmJurosCompostos(QWidget* parent = nullptr);

    QLabel *Label1, *Label2, *Label3, *lblResposta;
    calvorin::FlatEdit *txtVinit, *txtJuros, *txtTempo;
    calvorin::FlatButton *Button1, *Button2, *FlatButton1;

public slots:
    void Button1Click();
};
