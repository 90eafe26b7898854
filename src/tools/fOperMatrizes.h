#pragma once
// Sum, difference and product of two 3 x 3 matrices.
// Object names and captions here are the program's published names: tests and scripts find controls by them.
#include "ui/toolwindow.h"

class TfrmOperMatrizes : public calvorin::ToolWindow {
    Q_OBJECT
public:
    explicit TfrmOperMatrizes(QWidget* parent = nullptr);

    // The edit t<row><column><matrix>: matrix 1 and 2 are the operands, 3 the result.
    calvorin::FlatEdit* t(int row, int column, int matrix) const {
        return t_[matrix - 1][row - 1][column - 1];
    }

    QGroupBox* RadioGroup1;
    calvorin::FlatRadioButton *optAdd, *optMinus, *optMult;
    QLabel* Label1;
    calvorin::FlatButton *Button1, *Button2;

public slots:
    void Button1Click();

private:
    calvorin::FlatEdit* t_[3][3][3];
};
