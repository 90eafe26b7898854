#pragma once
// The number of terms of an arithmetic progression.
// Object names and captions here are the program's published names: tests and scripts find controls by them.
#include "ui/toolwindow.h"

class TfrmNTPA : public calvorin::ToolWindow {
    Q_OBJECT
public:
    explicit TfrmNTPA(QWidget* parent = nullptr);

    QLabel *Label1, *Label2, *Label3, *lblResposta;
    calvorin::FlatEdit *txtPT, *txtUT, *txtQ;
    calvorin::FlatButton *Button1, *Button2, *FlatButton1, *Button3;

public slots:
    void Button1Click();
    void Button3Click();
};
