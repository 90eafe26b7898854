#include "graph/fGraph.h"

#include "core/numbers.h"
#include "ui/frames.h"

#include <QVBoxLayout>

using namespace calvorin;

TfrmGraph::TfrmGraph(QWidget* parent) : ToolWindow(parent) {
    setObjectName("frmGraph");
    // The plotter comes first and stays lowest: zoomed, it grows beneath the other controls.
    img = new TTracador2D(this);
    img->setObjectName("img");
    // Settings of its own; the rest as the plotter is created. The colour comes before the size, so
    // the image is filled with it as it grows.
    img->setColor(Qt::white);
    img->setGeometry(0, 0, 256, 256);
    img->lower();
    // kept as the program has always written it: the axes are given red and drawn black
    img->setAxis({Qt::red, TPen::Black});
    img->setIncrementalDisplay(true);
    img->setLine({Qt::red});
    img->setScale({0.5L, 0.5L});
    img->setTransparent(true);
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    Salvarimagem1 = menuItem(PopupMenu1, "Salvarimagem1", "Salvar imagem...", &TfrmGraph::Salvarimagem1Click);
    img->setPopupMenu(PopupMenu1);

    // Made in their tab order: the function, the scales, the buttons.
    Label1 = label("Label1", "Função:");
    Label2 = label("Label2", "f(x) =");
    txtExpression = edit("txtExpression");
    labelControl(Label2, txtExpression);

    // The scales beside the picture, in the system's own decimal notation so that they convert as
    // they stand.
    GroupBox1 = new QGroupBox("Definição", this);
    GroupBox1->setObjectName("GroupBox1");
    GroupBox1->setGeometry(260, 4, 94, 150);
    auto* scales = new QVBoxLayout(GroupBox1);
    scales->addWidget(Label3 = label("Label3", "Eixo x"));
    scales->addWidget(txtEscalax = edit("txtEscalax", format(0.5L)));
    scales->addWidget(Label4 = label("Label4", "Eixo y"));
    scales->addWidget(txtEscalay = edit("txtEscalay", format(0.5L)));
    scales->addWidget(FlatButton3 = button("FlatButton3", "Aplicar"));
    labelControl(Label3, txtEscalax);
    labelControl(Label4, txtEscalay);

    btnMaiszoom = button("btnMaiszoom", "Aumentar zoom");
    btnMenoszoom = button("btnMenoszoom", "Diminuir zoom");
    btnDraw = button("btnDraw", "Traçar gráfico");
    FlatButton1 = button("FlatButton1", captions::close);

    // Beneath the picture, where the wider captions have room: the function with its button, then
    // the zoom steps and "Fechar". Left to right, centred on a button's height, four pixels apart.
    const int left = 4, right = 354, first = 262, second = 294;
    const auto place = [](QWidget* w, int x, int y) {
        w->move(x, y + (25 - w->height()) / 2);
        return x + w->width() + 4; // the next free x
    };
    Label1->adjustSize();
    Label2->adjustSize();
    const int x = place(Label2, place(Label1, left, first), first);
    btnDraw->move(right - btnDraw->width(), first);
    txtExpression->resize(btnDraw->x() - 4 - x, txtExpression->height());
    place(txtExpression, x, first);
    place(btnMenoszoom, place(btnMaiszoom, left, second), second);
    FlatButton1->move(right - FlatButton1->width(), second);

    onClick(btnDraw, &TfrmGraph::btnDrawClick);
    onClick(btnMaiszoom, &TfrmGraph::btnMaiszoomClick);
    onClick(btnMenoszoom, &TfrmGraph::btnMenoszoomClick);
    onClick(FlatButton3, &TfrmGraph::FlatButton3Click);
    closes(FlatButton1);
    // Return draws the function, or applies the scales from either scale edit.
    submits(txtExpression, btnDraw);
    submits(GroupBox1, FlatButton3);
    // The controls are placed by hand (the plotter must be free to grow), so the size is fixed here.
    setFixedSize(358, 324);
    finish("Gerador de gráficos", false, true);
}

void TfrmGraph::btnDrawClick() {
    img->DrawBackground();
    img->setExpression(txtExpression->text());
    img->Plot(); // a malformed expression leaves the axes alone, without a message
}

// No numeric check: the scales take whatever the conversion reads, x first, so a bad y leaves the new x
// in place (kept as the program has always written it).
void TfrmGraph::FlatButton3Click() {
    img->Scale().X = strToFloat(txtEscalax->text().toStdString());
    img->Scale().Y = strToFloat(txtEscalay->text().toStdString());
}
