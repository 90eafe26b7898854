// Inputs in windows laid out by hand, and in rows where the caption follows its edit, are read out
// with their own label; the editor's picture buttons by their hint.
#include "app_fixture.h"

#include <QAccessible>

TEST(Accessibility, ControlsAreNamedAfterTheirLabelOrHint) {
    const struct {
        const char *window, *input, *name;
    } rows[] = {
        {"TfrmEqua2", "txtA", "X²"},
        {"TfrmEqua2", "txtC", "= 0"},
        {"TfrmPontoReta", "txtb", "y"},
        {"TfrmPontoReta", "txtposiy", "y"},
        {"TfrmPitagoras", "cmbFormula", "Formula a ser utilizada:"},
        {"TfrmMDC", "txtFat2", "Números a se calcular o MDC:"},
        {"TfrmGraph", "txtExpression", "f(x) ="}, {"TfrmGraph", "txtEscalax", "Eixo x"},
        {"TfrmGraph", "txtEscalay", "Eixo y"},
        {"TfrmEditor", "ToolButton1", "Salvar"}, {"TfrmEditor", "ToolButton3", "Recortar"},
        {"TfrmEditor", "ToolButton4", "Copiar"}, {"TfrmEditor", "ToolButton5", "Colar"},
    };
    for (const auto& row : rows) {
        QWidget* input = apptest::windowNamed(row.window)->findChild<QWidget*>(row.input);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(input)->text(QAccessible::Name),
                  QString::fromUtf8(row.name))
            << row.input;
    }
}
