#pragma once
// The number of diagonals of a polygon.
#include "tools/polygon.h"

class TfrmDiagonais : public PolygonWindow {
    Q_OBJECT
public:
    explicit TfrmDiagonais(QWidget* parent = nullptr);

public slots:
    void FlatButton1Click() override;
};
