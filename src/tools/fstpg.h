#pragma once
// The sum of the first terms of a geometric progression.
// Object names and captions here are the program's published names: tests and scripts find controls by them.
#include "ui/toolwindow.h"

class Tfrmstpg : public calvorin::ToolWindow {
    Q_OBJECT
public:
    explicit Tfrmstpg(QWidget* parent = nullptr);

    QLabel *Label1, *Label2, *Label3, *lblresposta;
    calvorin::FlatEdit *txtpt, *txtn, *txtq;
    calvorin::FlatButton *Button1, *Button2, *FlatButton1, *Button3;

public slots:
    void Button1Click();
    void Button3Click();
};
