#pragma once
// The report viewer: its memo shows the report log's own document.
// Object names and captions here are the program's published names: tests and scripts find controls by them.
#include "platform/dialogs.h"
#include "widgets/TFlatButtonUnit.h"

#include <QPlainTextEdit>
#include <QWidget>

class TfrmViewReport : public QWidget {
    Q_OBJECT
public:
    explicit TfrmViewReport(QWidget* parent = nullptr);

    QPlainTextEdit* txtReport;
    TFlatButton* btnSalvar;
    TFlatButton* btnFechar;
    calvorin::SaveDialog SaveDialog1;

public slots:
    void btnSalvarClick();
    void btnFecharClick();
};
