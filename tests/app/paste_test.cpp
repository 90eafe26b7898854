// Pasting with an empty clipboard: every text control that can paste, every way a user pastes.
#include "app_fixture.h"

#include "app/fEditor.h"
#include "calc/fCalc.h"
#include "platform/memo.h"
#include "report/fViewReport.h"
#include "report/report.h"

#include <QAction>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

#include <functional>

using namespace apptest;

namespace {

// What an X clipboard that nobody owns hands out: data without a single format.
void emptyClipboard() {
    QGuiApplication::clipboard()->setMimeData(new QMimeData);
}

// A button at the middle of a control, delivered to its window as the window system does.
void clickAt(QWidget* control, Qt::MouseButton button) {
    QWidget* top = control->window();
    QTest::mouseClick(top->windowHandle(), button, {}, control->mapTo(top, control->rect().center()));
}

// A right click opens the control's own menu; its "Paste" is enabled only while the clipboard
// holds text, so the clipboard empties while the menu is open, and then "Paste" is clicked.
void pasteFromContextMenu(QWidget* control) {
    QGuiApplication::clipboard()->setText("x");
    bool picked = false;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return;
        if (auto* paste = menu->findChild<QAction*>("edit-paste"); paste && paste->isEnabled()) {
            emptyClipboard();
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(paste).center());
            picked = true;
        }
        menu->close();
    });
    clickAt(control, Qt::RightButton);
    EXPECT_TRUE(picked) << "no Paste in the context menu";
}

struct PasteCase {
    const char* what;
    std::function<QWidget*()> open; // shows the window, gives the control that is pasted into
    std::function<void(QWidget*)> paste;
};

QAction* mainMenuItem(const char* name) {
    return mainWindow().findChild<QAction*>(name);
}
QWidget* reportViewer() {
    mainMenuItem("mnuViewReport")->trigger();
    return calvorin::window<TfrmViewReport>().txtReport;
}
QWidget* scriptEditor() {
    mainMenuItem("mnuEditScript")->trigger();
    return calvorin::window<TfrmEditor>().texto;
}
QWidget* calculator() {
    calvorin::showWindow(&calvorin::window<TfrmCalc>());
    return calvorin::window<TfrmCalc>().txtVisor;
}

void ctrlV(QWidget* control) {
    QTest::keyClick(control, Qt::Key_V, Qt::ControlModifier);
}
void shiftInsert(QWidget* control) {
    QTest::keyClick(control, Qt::Key_Insert, Qt::ShiftModifier);
}
void middleClick(QWidget* control) {
    clickAt(control, Qt::MiddleButton);
}

const PasteCase pasteCases[] = {
    {"report viewer, Ctrl+V", reportViewer, ctrlV},
    {"report viewer, Shift+Insert", reportViewer, shiftInsert},
    {"report viewer, middle button", reportViewer, middleClick},
    {"report viewer, context menu", reportViewer, pasteFromContextMenu},
    {"script editor, Ctrl+V", scriptEditor, ctrlV},
    {"script editor, context menu", scriptEditor, pasteFromContextMenu},
    {"script editor, menu Colar", scriptEditor,
     [](QWidget*) { calvorin::window<TfrmEditor>().Colar1->trigger(); }},
    {"script editor, toolbar Colar", scriptEditor,
     [](QWidget*) { clickAt(calvorin::window<TfrmEditor>().ToolButton5, Qt::LeftButton); }},
    {"calculator display, Ctrl+V", calculator, ctrlV},
    {"calculator, Colar", calculator,
     [](QWidget*) { clickAt(calvorin::window<TfrmCalc>().FlatButton7, Qt::LeftButton); }},
};

QString textOf(QWidget* control) {
    if (auto* memo = qobject_cast<QPlainTextEdit*>(control)) return memo->toPlainText();
    return static_cast<QLineEdit*>(control)->text();
}

class Pasting : public WindowTest {};

TEST_F(Pasting, NothingPastesNothing) {
    showMainWindow();
    QPlainTextEdit* log = calvorin::window<TfrmViewReport>().txtReport;
    log->setPlainText("Calculadora\nAdição\n2 + 3 = 5");
    for (const PasteCase& c : pasteCases) {
        SCOPED_TRACE(c.what);
        QWidget* control = c.open();
        QApplication::processEvents();
        const QString before = textOf(control);
        control->setFocus();
        emptyClipboard();
        c.paste(control);
        QApplication::processEvents();
        EXPECT_EQ(textOf(control), before);
        EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join('\n').toStdString();
    }
    EXPECT_EQ(calvorin::report::lines(), (QStringList{"Calculadora", "Adição", "2 + 3 = 5"}));
    log->clear();
}

// A memo of Qt's own would take the crash back: every text a user can paste into is ours.
TEST_F(Pasting, EveryEditableMemoIsGuarded) {
    for (QWidget* w : calvorin::WindowRegistry::windows()) {
        for (auto* text : w->findChildren<QPlainTextEdit*>())
            EXPECT_TRUE(text->isReadOnly() || qobject_cast<calvorin::Memo*>(text))
                << text->objectName().toStdString();
        for (auto* text : w->findChildren<QTextEdit*>())
            EXPECT_TRUE(text->isReadOnly()) << text->objectName().toStdString();
    }
}

} // namespace
