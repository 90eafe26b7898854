// Every input a screen reader meets is named after the label beside it; the few without any label
// stand in a list of their own, so a new window that forgets its labels shows up here.
#include "app_fixture.h"

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

#include <set>
#include <string>

namespace {

bool isInput(const QWidget* w) {
    if (qobject_cast<const QLineEdit*>(w) && qobject_cast<const QComboBox*>(w->parentWidget()))
        return false; // the edit part of a combo box, named through the combo box
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QTextEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w);
}

QString accessibleName(QWidget* w) {
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
}

QWidget* input(const char* window, const char* name) {
    return calvorin::WindowRegistry::find(window)->findChild<QWidget*>(name);
}

} // namespace

TEST(Accessibility, OnlyInputsWithoutAnyLabelAreUnnamed) {
    std::set<std::string> unnamed;
    for (QWidget* window : calvorin::WindowRegistry::windows())
        for (QWidget* w : window->findChildren<QWidget*>())
            if (isInput(w) && accessibleName(w).isEmpty())
                unnamed.insert(std::string(window->metaObject()->className()) + "." +
                               w->objectName().toStdString());

    std::set<std::string> withoutLabel = {
        "TfrmCalc.txtVisor",       "TfrmComandos.txtcomando", "TfrmComandos.visor", "TfrmEditor.texto",
        "TfrmGraph.txtExpression", "TfrmRegra3.txt1",         "TfrmRegra3.txt2",    "TfrmRegra3.txt3",
        "TfrmRegra3.txt4",         "TfrmViewReport.txtReport"};
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j) {
            withoutLabel.insert("TfrmDeterminante.t" + std::to_string(10 * i + j));
            for (int m = 1; m <= 3; ++m)
                withoutLabel.insert("TfrmOperMatrizes.t" + std::to_string(100 * i + 10 * j + m));
        }
    EXPECT_EQ(unnamed, withoutLabel);
}

// Windows laid out by hand, and rows where the caption follows its edit.
TEST(Accessibility, InputsAreNamedAfterTheirOwnLabel) {
    const struct {
        const char *window, *input, *name;
    } rows[] = {
        {"TfrmCalc", "txtExpoente", "Expoente:"},
        {"TfrmEqua2", "txtA", "X²"},
        {"TfrmEqua2", "txtB", "X"},
        {"TfrmEqua2", "txtC", "= 0"},
        {"TfrmPontoReta", "txta", "x"},
        {"TfrmPontoReta", "txtb", "y"},
        {"TfrmPontoReta", "txtc", "c"},
        {"TfrmPontoReta", "txtposix", "x"},
        {"TfrmPontoReta", "txtposiy", "y"},
        {"TfrmPitagoras", "cmbFormula", "Formula a ser utilizada:"},
        {"TfrmMDC", "txtFat1", "Números a se calcular o MDC:"},
        {"TfrmMDC", "txtFat2", "Números a se calcular o MDC:"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(accessibleName(input(row.window, row.input)), QString::fromUtf8(row.name)) << row.input;
}
