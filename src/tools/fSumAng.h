#pragma once
// The sum of the interior angles of a polygon.
// Object names and captions here are the program's published names: tests and scripts find controls by them.
#include "tools/polygon.h"

class TfrmSumAng : public PolygonWindow {
    Q_OBJECT
public:
    explicit TfrmSumAng(QWidget* parent = nullptr);

public slots:
    void FlatButton1Click() override;
};
