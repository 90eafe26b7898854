#pragma once
// Asks what to do with the report that exists when a new one is started.
// Object names and captions here are the program's published names: tests and scripts find controls by them.
#include "platform/dialogs.h"
#include "widgets/TFlatButtonUnit.h"

#include <QLabel>
#include <QWidget>

class TfrmConfirmNR : public QWidget {
    Q_OBJECT
public:
    explicit TfrmConfirmNR(QWidget* parent = nullptr);

    QLabel* Label1;
    TFlatButton* Button1; // start another, saving the current one
    TFlatButton* Button2; // start another without saving
    TFlatButton* Button3; // cancel
    calvorin::SaveDialog SaveDialog1;

public slots:
    void Button1Click();
    void Button2Click();
    void Button3Click();
};
