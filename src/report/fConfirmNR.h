#pragma once
// Asks what to do with the report that exists when a new one is started.
#include "platform/dialogs.h"

#include <QLabel>
#include <QPushButton>
#include <QWidget>

class TfrmConfirmNR : public QWidget {
    Q_OBJECT
public:
    explicit TfrmConfirmNR(QWidget* parent = nullptr);

    QLabel* Label1;
    QPushButton* Button1; // start another, saving the current one
    QPushButton* Button2; // start another without saving
    QPushButton* Button3; // cancel
    calvorin::SaveDialog SaveDialog1;

public slots:
    void Button1Click();
    void Button2Click();
    void Button3Click();
};
