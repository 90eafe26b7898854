#pragma once
// The distance between two points of the plane.
// Object names and captions here are the program's published names: tests and scripts find controls by them.
#include "tools/twopoints.h"

class TfrmDistancia : public TwoPointWindow {
    Q_OBJECT
public:
    explicit TfrmDistancia(QWidget* parent = nullptr);

    QLabel *Label7, *lblSol;
    calvorin::FlatEdit *txtX1, *txtY1, *txtx2, *txty2;
    calvorin::FlatButton *Button1, *Button2, *FlatButton1;

public slots:
    void Button1Click();
};
