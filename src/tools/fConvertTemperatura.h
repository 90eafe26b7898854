#pragma once
// One temperature on the Celsius, Fahrenheit and Kelvin scales.
// Object names and captions here are the program's published names: tests and scripts find controls by them.
#include "formulas/ConvertTemperatura.h"
#include "ui/toolwindow.h"

class TfrmConvertTemperatura : public calvorin::ToolWindow {
    Q_OBJECT
public:
    explicit TfrmConvertTemperatura(QWidget* parent = nullptr);

    QLabel* Label1;
    calvorin::FlatEdit* txtValor;
    QGroupBox* GroupBox1;
    calvorin::FlatRadioButton *c, *f, *k;
    QLabel *lblc, *lblf, *lblk;
    calvorin::FlatButton *Button1, *Button2, *FlatButton1, *FlatButton2, *FlatButton3;

public slots:
    void Button1Click();
    void FlatButton1Click();
    void FlatButton2Click();
    void FlatButton3Click();

private:
    // One scale: its name, its label, the unit written after the value and the value last shown
    // without it.
    struct Scale {
        calvorin::formulas::ConvertTemperatura::Scale name;
        QLabel* label;
        const char* unit;
        QString held;
    };
    // Shows the value on a scale; the text is either typed or a formatted result.
    void put(Scale& scale, const QString& value);
    // The block of one reference scale: the typed text, then the other two converted from it.
    void convert(Scale& from, Scale& to1, Scale& to2);

    Scale celsius_, fahrenheit_, kelvin_;
};
