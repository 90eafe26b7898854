#pragma once
// The slope of the straight line through two points.
// Object names and captions here are the program's published names: tests and scripts find controls by them.
#include "tools/twopoints.h"

class TfrmInclination : public TwoPointWindow {
    Q_OBJECT
public:
    explicit TfrmInclination(QWidget* parent = nullptr);

    QLabel* lblResposta;
    calvorin::FlatEdit *txtx1, *txty1, *txtx2, *txty2;
    calvorin::FlatButton *Button1, *Button2, *FlatButton1;

public slots:
    void Button1Click();
};
