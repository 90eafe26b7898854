#pragma once
// The report generator: starts a new report.
#include "widgets/TFlatButtonUnit.h"

#include <QLabel>
#include <QWidget>

class TfrmReport : public QWidget {
    Q_OBJECT
public:
    explicit TfrmReport(QWidget* parent = nullptr);

    QLabel* Label1;
    TFlatButton* btnIniciar;
    TFlatButton* btnCancelar;

public slots:
    void btnIniciarClick();
    void btnCancelarClick();
};
