#pragma once
// Second-degree equations: the two real roots, the vertex, and the parabola on its own plotter.
// Object names and captions here are the program's published names: tests and scripts find controls by them.
#include "ui/toolwindow.h"
#include "plotter/Tracador2D.h"

#include <QAction>
#include <QMenu>

class TfrmEqua2 : public calvorin::ToolWindow {
    Q_OBJECT
public:
    explicit TfrmEqua2(QWidget* parent = nullptr);

    calvorin::FlatEdit *txtA, *txtB, *txtC;
    QLabel *Label1, *X, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8;
    QLabel *lblSol1, *lblSol2, *lblVertex, *lblVertey;
    calvorin::FlatButton *Button1, *Button2, *FlatButton1, *FlatButton2;
    TTracador2D* img;
    QMenu* PopupMenu1;
    QAction *Aumentarzoom1, *Diminuirzoom1, *Salvarimagem1;

public slots:
    void Button1Click();
    void Aumentarzoom1Click() { img->ZoomIn(); }
    void Diminuirzoom1Click() { img->ZoomOut(); }
    void Salvarimagem1Click() { img->SaveImage(); }

protected:
    // The plotter follows the space the layout keeps for it, without being laid out itself.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* graphArea_;
};
