#pragma once
// Speeds between km/h and m/s.
// Object names and captions here are the program's published names: tests and scripts find controls by them.
#include "ui/toolwindow.h"

class TfrmConvertVelocidade : public calvorin::ToolWindow {
    Q_OBJECT
public:
    explicit TfrmConvertVelocidade(QWidget* parent = nullptr);

    QLabel *Label1, *lblResposta;
    calvorin::FlatEdit* txtValor;
    calvorin::FlatRadioButton *opt1, *opt2;
    calvorin::FlatButton *btnCalc, *FlatButton2, *FlatButton3;

public slots:
    void btnCalcClick();
};
