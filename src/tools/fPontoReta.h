#pragma once
// The distance from a point to the straight line a·x + b·y + c = 0.
// Object names and captions here are the program's published names: tests and scripts find controls by them.
#include "ui/toolwindow.h"

class TfrmPontoReta : public calvorin::ToolWindow {
    Q_OBJECT
public:
    explicit TfrmPontoReta(QWidget* parent = nullptr);

    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *lblResposta;
    calvorin::FlatEdit *txta, *txtb, *txtc, *txtposix, *txtposiy;
    calvorin::FlatButton *FlatButton1, *FlatButton2, *FlatButton3;

public slots:
    void FlatButton1Click();
};
