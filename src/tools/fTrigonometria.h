#pragma once
// The six trigonometric functions of an angle in degrees or radians.
// Object names and captions here are the program's published names: tests and scripts find controls by them.
#include "ui/toolwindow.h"

class QGroupBox;

class TfrmTrigonometria : public calvorin::ToolWindow {
    Q_OBJECT
public:
    explicit TfrmTrigonometria(QWidget* parent = nullptr);

    QLabel *Label1, *Label2, *lblResposta;
    calvorin::FlatComboBox* cmbFunction;
    calvorin::FlatEdit* txtValor;
    QGroupBox* GroupBox1;
    calvorin::FlatRadioButton *optGraus, *optRadianos;
    calvorin::FlatButton *Button1, *Button2, *FlatButton1;

public slots:
    void Button1Click();
};
