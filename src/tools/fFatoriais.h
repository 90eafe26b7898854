#pragma once
// Factorials.
// Object names and captions here are the program's published names: tests and scripts find controls by them.
#include "ui/toolwindow.h"

class TfrmFatoriais : public calvorin::ToolWindow {
    Q_OBJECT
public:
    explicit TfrmFatoriais(QWidget* parent = nullptr);

    QLabel *Label1, *lblResposta;
    calvorin::FlatEdit* txtFatorial;
    calvorin::FlatButton *Button1, *Button2, *FlatButton1;

public slots:
    void Button1Click();
};
