#pragma once
// The determinant of a 3 x 3 matrix by the rule of Sarrus.
// Object names and captions here are the program's published names: tests and scripts find controls by them.
#include "ui/toolwindow.h"

class TfrmDeterminante : public calvorin::ToolWindow {
    Q_OBJECT
public:
    explicit TfrmDeterminante(QWidget* parent = nullptr);

    calvorin::FlatEdit *t11, *t12, *t13, *t21, *t22, *t23, *t31, *t32, *t33;
    QLabel* lblResposta;
    calvorin::FlatButton *Button1, *Button2, *FlatButton1;

public slots:
    void Button1Click();
};
