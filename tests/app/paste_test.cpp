// Pasting with an empty clipboard, every way a user pastes (the middle button, which needs an X
// selection, is tried by the accessibility suite).
#include "app_fixture.h"

#include "app/fEditor.h"
#include "report/fViewReport.h"
#include "report/report.h"
#include "widgets/memo.h"

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

// The context menu's "Paste" is enabled only while the clipboard holds something, so the
// clipboard empties while the menu is open.
void pasteFromContextMenu(QWidget* control) {
    QGuiApplication::clipboard()->setText("x");
    bool picked = false;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        auto* paste = menu ? menu->findChild<QAction*>("edit-paste") : nullptr;
        if (paste && paste->isEnabled()) {
            emptyClipboard();
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(paste).center());
            picked = true;
        }
        if (menu) menu->close();
    });
    clickAt(control, Qt::RightButton);
    EXPECT_TRUE(picked) << "no Paste in the context menu";
}

TEST_F(WindowTest, PastingNothingPastesNothing) {
    showMainWindow();
    QPlainTextEdit* log = calvorin::window<TfrmViewReport>().txtReport;
    TfrmEditor& editor = calvorin::window<TfrmEditor>();
    log->setPlainText("Calculadora\nAdição\n2 + 3 = 5");
    const auto ctrlV = [](QWidget* w) { QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier); };
    const auto shiftInsert = [](QWidget* w) { QTest::keyClick(w, Qt::Key_Insert, Qt::ShiftModifier); };
    const struct {
        const char* what;
        const char* menuItem; // of the main window, showing the window pasted into
        QPlainTextEdit* memo;
        std::function<void(QWidget*)> paste;
    } cases[] = {
        {"report, Ctrl+V", "mnuViewReport", log, ctrlV},
        {"report, Shift+Insert", "mnuViewReport", log, shiftInsert},
        {"report, context menu", "mnuViewReport", log, pasteFromContextMenu},
        {"script, Ctrl+V", "mnuEditScript", editor.texto, ctrlV},
        {"script, context menu", "mnuEditScript", editor.texto, pasteFromContextMenu},
        {"script, menu Colar", "mnuEditScript", editor.texto, [&](QWidget*) { editor.Colar1->trigger(); }},
        {"script, toolbar Colar", "mnuEditScript", editor.texto,
         [&](QWidget*) { clickAt(editor.ToolButton5, Qt::LeftButton); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        mainWindow().findChild<QAction*>(c.menuItem)->trigger();
        QApplication::processEvents();
        const QString before = c.memo->toPlainText();
        c.memo->setFocus();
        emptyClipboard();
        c.paste(c.memo);
        EXPECT_EQ(c.memo->toPlainText(), before);
    }
    EXPECT_EQ(calvorin::reportLog().lines(), (QStringList{"Calculadora", "Adição", "2 + 3 = 5"}));
    EXPECT_TRUE(dialogs.errors.isEmpty());
    log->clear();
}

// A text edit of Qt's own would bring the crash back: every text a user can paste into is ours.
TEST_F(WindowTest, EveryEditableMemoIsGuarded) {
    for (QWidget* w : calvorin::WindowRegistry::windows()) {
        for (auto* text : w->findChildren<QPlainTextEdit*>())
            EXPECT_TRUE(text->isReadOnly() || qobject_cast<calvorin::Memo*>(text))
                << text->objectName().toStdString();
        for (auto* text : w->findChildren<QTextEdit*>())
            EXPECT_TRUE(text->isReadOnly()) << text->objectName().toStdString();
    }
}

} // namespace
