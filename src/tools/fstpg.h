#pragma once
// The sum of the first terms of a geometric progression.
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
