#pragma once
// The heat a body exchanges: specific heat times mass times the change of temperature.
// Object names and captions here are the program's published names: tests and scripts find controls by them.
#include "ui/toolwindow.h"

class TfrmCalorias : public calvorin::ToolWindow {
    Q_OBJECT
public:
    explicit TfrmCalorias(QWidget* parent = nullptr);

    QLabel *Label1, *Label2, *Label3, *Label4, *lblResposta;
    calvorin::FlatEdit *txtCalor, *txtMassa, *txtInit, *txtFinal;
    calvorin::FlatButton *btnCalc, *btnConvert, *btnFechar, *FlatButton1;

public slots:
    void btnCalcClick();
    void btnConvertClick();
};
