#include "plot/fGraph.h"

#include "ui/frames.h"
#include "core/numbers.h"

#include <QVBoxLayout>

#include <algorithm>
#include <utility>

using namespace calvorin;

TfrmGraph::TfrmGraph(QWidget* parent) : ToolWindow(parent) {
    setObjectName("frmGraph");
    // The plotter comes first and stays lowest: zoomed, it grows beneath the other controls.
    img = new TTracador2D(this);
    img->setObjectName("img");
    img->setGeometry(0, 0, 256, 256);
    img->lower();
    // Settings of its own; the rest as the plotter is created.
    img->setAxis({Qt::red, TPen::Black}); // the axes are black whatever their colour
    img->setColor(Qt::white);
    img->setIncrementalDisplay(true);
    img->setLine({Qt::red});
    img->setScale({0.5L, 0.5L});
    img->setTransparent(true);
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    Salvarimagem1 = menuItem(PopupMenu1, "Salvarimagem1", "Salvar imagem...", &TfrmGraph::Salvarimagem1Click);
    img->setPopupMenu(PopupMenu1);

    Label1 = label("Label1", "Função:");
    Label1->move(8, 262);
    Label2 = label("Label2", "f(x) =");
    Label2->move(8, 292);
    txtExpression = edit("txtExpression");
    txtExpression->setGeometry(48, 288, 200, 21);
    labelControl(Label2, txtExpression);

    GroupBox1 = new QGroupBox("Definição", this);
    GroupBox1->setObjectName("GroupBox1");
    GroupBox1->setGeometry(262, 4, 92, 150);
    auto* scales = new QVBoxLayout(GroupBox1);
    scales->addWidget(Label3 = label("Label3", "Eixo x"));
    scales->addWidget(txtEscalax = edit("txtEscalax", "0,5"));
    scales->addWidget(Label4 = label("Label4", "Eixo y"));
    scales->addWidget(txtEscalay = edit("txtEscalay", "0,5"));
    scales->addWidget(FlatButton3 = button("FlatButton3", "Aplicar"));
    labelControl(Label3, txtEscalax);
    labelControl(Label4, txtEscalay);

    // The right-hand column, as wide as its widest caption needs.
    const std::pair<FlatButton*, int> column[] = {
        {btnMaiszoom = button("btnMaiszoom", "Aumentar zoom"), 166},
        {btnMenoszoom = button("btnMenoszoom", "Diminuir zoom"), 196},
        {btnDraw = button("btnDraw", "Traçar gráfico"), 258},
        {FlatButton1 = button("FlatButton1", captions::close), 288},
    };
    int width = 0;
    for (auto [b, top] : column)
        width = std::max(width, b->width());
    for (auto [b, top] : column)
        b->setGeometry(354 - width, top, width, 25);

    onClick(btnDraw, &TfrmGraph::btnDrawClick);
    onClick(btnMaiszoom, &TfrmGraph::btnMaiszoomClick);
    onClick(btnMenoszoom, &TfrmGraph::btnMenoszoomClick);
    onClick(FlatButton3, &TfrmGraph::FlatButton3Click);
    closes(FlatButton1);
    // The controls are placed by hand (the plotter must be free to grow), so the size is fixed here.
    setFixedSize(358, 324);
    finish("Gerador de gráficos", false, true);
}

void TfrmGraph::btnDrawClick() {
    img->DrawBackground();
    img->setExpression(txtExpression->text());
    img->Plot(); // a malformed expression leaves the axes alone, without a message
}

// No numeric check: the scales take whatever the conversion reads, x first.
void TfrmGraph::FlatButton3Click() {
    img->Scale().X = strToFloat(txtEscalax->text().toStdString());
    img->Scale().Y = strToFloat(txtEscalay->text().toStdString());
}
