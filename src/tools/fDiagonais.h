#pragma once
// The number of diagonals of a polygon.
// Object names and captions here are the program's published names: tests and scripts find controls by them.
#include "tools/polygon.h"

class TfrmDiagonais : public PolygonWindow {
    Q_OBJECT
public:
    explicit TfrmDiagonais(QWidget* parent = nullptr);

public slots:
    void FlatButton1Click() override;
};
