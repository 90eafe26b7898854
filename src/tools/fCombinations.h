#pragma once
// Simple combinations: the groups of p elements chosen from n.
// Object names and captions here are the program's published names: tests and scripts find controls by them.
#include "ui/toolwindow.h"

class TfrmCombinations : public calvorin::ToolWindow {
    Q_OBJECT
public:
    explicit TfrmCombinations(QWidget* parent = nullptr);

    QLabel *Label1, *Label2, *lblResposta;
    calvorin::FlatEdit *txtN, *txtP;
    calvorin::FlatButton *btnCalc, *Button2, *FlatButton1;

public slots:
    void btnCalcClick();
};
