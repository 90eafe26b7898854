#include "tools/fEqua2.h"

#include "formulas/Equa2.h"

#include "ui/frames.h"
#include "ui/linklabel.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>

using namespace calvorin;

namespace {

const QString noRoots = QString::fromUtf8(formulas::Equa2::noRoots);

// An empty coefficient is 0.
Typed<> coefficient(const QLineEdit* input) {
    return input->text().isEmpty() ? Typed<>{0, ""} : ToolWindow::typed(input);
}

} // namespace

TfrmEqua2::TfrmEqua2(QWidget* parent) : ToolWindow(parent) {
    setObjectName("frmEqua2");
    // The plotter lies beneath the other controls, over a space kept for it: zoomed, it grows.
    img = new TTracador2D(this);
    img->setObjectName("img");
    img->lower();
    // Settings of its own; the rest as the plotter is created. The colour comes before the size, so
    // the image is filled with it as it grows.
    img->setColor(Qt::white);
    img->resize(346, 203);
    img->setIncrementalDisplay(true);
    img->setLine({Qt::red});
    img->setScale({1, 5});
    img->setTicks({10, 10, QColor(0xC0, 0xC0, 0xC0)});
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    Aumentarzoom1 = menuItem(PopupMenu1, "Aumentarzoom1", "Aumentar zoom", &TfrmEqua2::Aumentarzoom1Click);
    Diminuirzoom1 = menuItem(PopupMenu1, "Diminuirzoom1", "Diminuir zoom", &TfrmEqua2::Diminuirzoom1Click);
    PopupMenu1->addSeparator();
    Salvarimagem1 = menuItem(PopupMenu1, "Salvarimagem1", "Salvar imagem...", &TfrmEqua2::Salvarimagem1Click);
    img->setPopupMenu(PopupMenu1);

    // The picture spans the client width but for the margins.
    layout()->setContentsMargins(10, 8, 10, 8);
    grid()->setVerticalSpacing(4);
    // [a] X² [b] X [c] = 0, the edits sharing what the captions leave.
    txtA = edit("txtA");
    Label1 = label("Label1", "X²");
    txtB = edit("txtB");
    X = label("X", "X");
    txtC = edit("txtC");
    Label2 = label("Label2", "= 0");
    auto* equation = new QHBoxLayout;
    equation->setSpacing(4);
    for (QWidget* w : std::initializer_list<QWidget*>{txtA, Label1, txtB, X, txtC, Label2})
        equation->addWidget(w, qobject_cast<QLineEdit*>(w) ? 1 : 0);
    grid()->addLayout(equation, 0, 0, 1, 3);
    // Each coefficient is read out with the term that follows it.
    labelControl(Label1, txtA);
    labelControl(X, txtB);
    labelControl(Label2, txtC);
    // Each root with its Copy button; the vertex in one row beneath its heading.
    // kept as the program has always written it: the hint's "conhecido com", "Cordenadas do vértice" and the
    // name "lblVertey"
    const QString hint = "Também conhecido com um dos pontos nos quais a parábola corta o eixo x";
    Label7 = label("Label7", "Resposta 1:");
    lblSol1 = answer("-", "lblSol1");
    Label8 = label("Label8", "Resposta 2:");
    lblSol2 = answer("-", "lblSol2");
    Label7->setToolTip(hint);
    Label8->setToolTip(hint);
    FlatButton1 = button("FlatButton1", "Copiar resposta 1");
    FlatButton2 = button("FlatButton2", "Copiar resposta 2");
    Label4 = label("Label4", "Cordenadas do vértice");
    Label5 = label("Label5", "X =");
    lblVertex = answer("-", "lblVertex");
    Label6 = label("Label6", "Y =");
    lblVertey = answer("-", "lblVertey");
    Label3 = label("Label3", "Gráfico");
    setBold(Label4);
    setBold(Label3);
    graphArea_ = new QWidget(this);
    graphArea_->setFixedSize(img->size());
    // Only keeps the picture's place: the clicks belong to the picture beneath it.
    graphArea_->setAttribute(Qt::WA_TransparentForMouseEvents);
    graphArea_->installEventFilter(this);
    const struct {
        QWidget* widget;
        int row, column, columns;
    } cells[] = {
        {Label7, 1, 0, 1}, {lblSol1, 1, 1, 1}, {FlatButton1, 1, 2, 1},
        {Label8, 2, 0, 1}, {lblSol2, 2, 1, 1}, {FlatButton2, 2, 2, 1},
        {Label4, 3, 0, 3}, {Label3, 5, 0, 3},  {graphArea_, 6, 0, 3},
    };
    for (const auto& c : cells)
        grid()->addWidget(c.widget, c.row, c.column, 1, c.columns);
    grid()->setHorizontalSpacing(4);
    grid()->setColumnStretch(1, 1); // each root takes all the room its Copy button leaves
    // The two coordinates share the whole row, so that fifteen digits of each show.
    auto* vertex = new QHBoxLayout;
    vertex->setSpacing(4);
    vertex->addWidget(Label5);
    vertex->addWidget(lblVertex, 1);
    vertex->addWidget(Label6);
    vertex->addWidget(lblVertey, 1);
    grid()->addLayout(vertex, 4, 0, 1, 3);
    buttonRow(
        {Button1 = button("Button1", captions::calculate), Button2 = button("Button2", captions::close)});
    onClick(Button1, &TfrmEqua2::Button1Click);
    closes(Button2);
    copies(FlatButton1, lblSol1);
    copies(FlatButton2, lblSol2);
    setFixedSize(366, 400);
    // kept as the program has always written it: the degree sign and the capital of "2° Grau"
    finish("Equações de 2° Grau");
}

bool TfrmEqua2::eventFilter(QObject* watched, QEvent* event) {
    if (watched == graphArea_ && event->type() == QEvent::Move) img->move(graphArea_->pos());
    return ToolWindow::eventFilter(watched, event);
}

void TfrmEqua2::Button1Click() {
    if (!valid({txtA, txtB, txtC})) return;
    const auto a = coefficient(txtA), b = coefficient(txtB), c = coefficient(txtC);
    // The formula's stages with what the window does between them (see formulas/Equa2.h); its
    // report and steps once the last has ended well.
    formulas::Equa2::Result r = formulas::Equa2::discriminant(a, b, c);
    img->DrawBackground();
    if (r.delta >= 0) {
        formulas::Equa2::roots(r);
        display(lblSol1, r.root1);
        display(lblSol2, r.root2);
        formulas::Equa2::vertex(r);
        display(lblVertex, r.xv);
        display(lblVertey, r.yv);
        img->setExpression(QString::fromStdString(r.equation));
        img->Plot();
    } else {
        lblSol1->setText(noRoots);
        lblSol2->setText(noRoots);
        lblVertex->setText("-");
        lblVertey->setText("-");
    }
    conclude(r);
}
