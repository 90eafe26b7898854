#pragma once
// Any term of a geometric progression.
// Object names and captions here are the program's published names: tests and scripts find controls by them.
#include "ui/toolwindow.h"

class TfrmTQPG : public calvorin::ToolWindow {
    Q_OBJECT
public:
    explicit TfrmTQPG(QWidget* parent = nullptr);

    QLabel *Label1, *Label2, *Label3, *lblResposta;
    calvorin::FlatEdit *txtn, *txtpt, *txtq;
    calvorin::FlatButton *Button1, *Button2, *FlatButton1;

public slots:
    void Button1Click();
};
