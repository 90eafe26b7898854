#pragma once
// The sum of the interior angles of a polygon.
#include "tools/polygon.h"

class TfrmSumAng : public PolygonWindow {
    Q_OBJECT
public:
    explicit TfrmSumAng(QWidget* parent = nullptr);

public slots:
    void FlatButton1Click() override;
};
