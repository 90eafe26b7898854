#pragma once
// Factorials, and the descending product that the combinations window shares.
#include "ui/toolwindow.h"

namespace calvorin {
// x (x - 1) (x - 2) ... down to the last factor above 1, every step stored as a double: x itself
// when x <= 2, except that the empty product of 0 is 1. Overflows from 171 on.
double descendingProduct(double x);
} // namespace calvorin

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
