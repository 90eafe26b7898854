#pragma once
// The report generator: starts a new report.
#include <QLabel>
#include <QPushButton>
#include <QWidget>

class TfrmReport : public QWidget {
    Q_OBJECT
public:
    explicit TfrmReport(QWidget* parent = nullptr);

    QLabel* Label1;
    QPushButton* btnIniciar;
    QPushButton* btnCancelar;

public slots:
    void btnIniciarClick();
    void btnCancelarClick();
};
