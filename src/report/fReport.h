#pragma once
// The report generator: starts a new report.
// Object names and captions here are the program's published names: tests and scripts find controls by them.
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
