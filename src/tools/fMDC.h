#pragma once
// The greatest common divisor of two whole numbers, by Euclid's algorithm.
// Object names and captions here are the program's published names: tests and scripts find controls by them.
#include "ui/toolwindow.h"

class TfrmMDC : public calvorin::ToolWindow {
    Q_OBJECT
public:
    explicit TfrmMDC(QWidget* parent = nullptr);

    QLabel *Label1, *lblResposta;
    calvorin::FlatEdit *txtFat1, *txtFat2;
    calvorin::FlatButton *FlatButton1, *FlatButton2, *FlatButton3;

public slots:
    void FlatButton1Click();
};
