#pragma once
// The graph generator: a function of x typed by the user, plotted, magnified, rescaled.
// Object names and captions here are the program's published names: tests and scripts find controls by them.
#include "plotter/Tracador2D.h"
#include "ui/toolwindow.h"

#include <QAction>
#include <QGroupBox>
#include <QMenu>

class TfrmGraph : public calvorin::ToolWindow {
    Q_OBJECT
public:
    explicit TfrmGraph(QWidget* parent = nullptr);

    TTracador2D* img;
    QLabel *Label1, *Label2, *Label3, *Label4;
    calvorin::FlatEdit *txtExpression, *txtEscalax, *txtEscalay;
    calvorin::FlatButton *btnDraw, *btnMaiszoom, *btnMenoszoom, *FlatButton1, *FlatButton3;
    QGroupBox* GroupBox1;
    QMenu* PopupMenu1;
    QAction* Salvarimagem1;

public slots:
    void btnDrawClick();
    void btnMaiszoomClick() { img->ZoomIn(); }
    void btnMenoszoomClick() { img->ZoomOut(); }
    void FlatButton3Click();
    void Salvarimagem1Click() { img->SaveImage(); }
};
