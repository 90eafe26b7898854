#include "tools/polygon.h"

using namespace calvorin;

PolygonWindow::PolygonWindow(QWidget* parent, const QString& sides) : ToolWindow(parent) {
    row({Label1 = label("Label1", "Número de lados:"), txtValor = edit("txtValor", sides)});
    row({lblResposta = answer("Resposta:")});
    std::tie(FlatButton1, FlatButton3, FlatButton2) = plainButtons(lblResposta);
}

void PolygonWindow::finish(const QString& caption) {
    // To the subclass's own calculation.
    onClick(FlatButton1, &PolygonWindow::FlatButton1Click);
    ToolWindow::finish(caption, false);
}
