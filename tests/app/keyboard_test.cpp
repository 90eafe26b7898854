// The keyboard as a student uses it: Return calculates, Esc closes, Tab and Enter follow the main
// window's links, and a narrow edit keeps the start of what was typed in view.
#include "app_fixture.h"

#include "core/numbers.h"
#include "graph/fGraph.h"
#include "tools/fDeterminante.h"
#include "ui/fResolucao.h"
#include "ui/linklabel.h"
#include "ui/toolwindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <vector>

using namespace apptest;

namespace {

class Keyboard : public WindowTest {
protected:
    // Keys go to the active top-level window, which hands them to its focused control.
    static void activate(QWidget* w) {
        calvorin::showWindow(w);
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    }
    static void key(QWidget* w, Qt::Key k, Qt::KeyboardModifiers mods = {}) {
        QTest::keyClick(w->windowHandle(), k, mods);
    }
    static void type(QWidget* w, QLineEdit* edit, const char* text) {
        edit->setFocus();
        edit->clear();
        for (const char* c = text; *c; ++c)
            QTest::keyClick(w->windowHandle(), *c);
    }
    // The one window shown besides the main window.
    static QWidget* opened() {
        for (QWidget* w : calvorin::WindowRegistry::windows())
            if (w->isVisible() && w != &mainWindow()) return w;
        return nullptr;
    }
    static QAbstractButton* calculateButton(QWidget* w) {
        for (auto* b : w->findChildren<QAbstractButton*>())
            if (b->text() == "&Calcular" || b->text() == "Calcular") return b;
        return nullptr;
    }
};

// Every window of the "Problemas" menu, opened from its item: Return in each input presses its one
// "Calcular" (the graph window: the button beside the input), and Esc hides the window with its
// texts kept. The calculator keeps its keys as they were.
TEST_F(Keyboard, ReturnPressesTheButtonBesideTheInputAndEscHides) {
    showMainWindow();
    std::vector<QAction*> items;
    const std::function<void(QMenu*)> collect = [&](QMenu* menu) {
        for (QAction* a : menu->actions())
            a->menu() ? collect(a->menu()) : items.push_back(a);
    };
    collect(child<QMenu>(&mainWindow(), "mnuProblemas"));
    QSet<QWidget*> windows;
    for (QAction* item : items) {
        if (item->isSeparator() || item->objectName() == "mnuCalc") continue;
        item->trigger();
        QWidget* w = opened();
        ASSERT_NE(w, nullptr) << item->objectName().toStdString();
        SCOPED_TRACE(w->metaObject()->className());
        windows << w;
        activate(w);
        auto* graph = qobject_cast<TfrmGraph*>(w);
        for (QLineEdit* input : w->findChildren<QLineEdit*>()) {
            if (!input->isVisible() || input->isReadOnly()) continue;
            QAbstractButton* expected = !graph                          ? calculateButton(w)
                                        : input == graph->txtExpression ? graph->btnDraw
                                                                        : graph->FlatButton3;
            ASSERT_NE(expected, nullptr);
            QSignalSpy pressed(expected, &QAbstractButton::clicked);
            input->setFocus();
            key(w, Qt::Key_Return);
            EXPECT_EQ(pressed.size(), 1) << input->objectName().toStdString();
        }
        QLineEdit* first = w->findChild<QLineEdit*>();
        first->setText("7");
        key(w, Qt::Key_Escape);
        EXPECT_FALSE(w->isVisible());
        EXPECT_EQ(first->text(), "7");
        hideAllWindows();
        calvorin::showWindow(&mainWindow());
    }
    EXPECT_EQ(windows.size(), 25); // the 24 tool windows and the graph window
}

// What a student in pt_BR types, opened from the menu and calculated with Return alone.
TEST_F(Keyboard, AStudentTypesCommasAndPressesReturn) {
    calvorin::setDecimalSeparator(',');
    const struct {
        const char* item;
        std::vector<std::pair<const char*, const char*>> typed; // edit, text
        const char* answer;
    } rows[] = {
        {"mnuJuros", {{"txtVinit", "1000"}, {"txtJuros", "1,5"}, {"txtTempo", "12"}}, "1195,61817146154"},
        {"mnuTQPG", {{"txtn", "4"}, {"txtpt", "8"}, {"txtq", "0,5"}}, "1"},
    };
    showMainWindow();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.item);
        hideAllWindows();
        calvorin::showWindow(&mainWindow());
        child<QAction>(&mainWindow(), row.item)->trigger();
        QWidget* w = opened();
        ASSERT_NE(w, nullptr);
        activate(w);
        for (auto [name, text] : row.typed)
            type(w, child<QLineEdit>(w, name), text);
        key(w, Qt::Key_Return);
        EXPECT_EQ(child<QLabel>(w, "lblResposta")->text(), row.answer);
        EXPECT_TRUE(dialogs.messages.isEmpty() && dialogs.errors.isEmpty());
    }
    calvorin::setDecimalSeparator('.');
}

TEST_F(Keyboard, EscHidesTheStepsWindow) {
    auto& steps = calvorin::window<TfrmResolucao>();
    activate(&steps);
    key(&steps, Qt::Key_Escape);
    EXPECT_FALSE(steps.isVisible());
}

// The first Tab lands on "Algebra", Enter opens its panel, and Tab goes on to the panel's links,
// which open with Space. A focused link draws its frame.
TEST_F(Keyboard, TabAndEnterFollowTheMainWindowsLinks) {
    hideAllWindows();
    TfrmMain& main = mainWindow();
    activate(&main);
    main.centralWidget()->setFocus();
    key(&main, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), main.Label1);
    const QImage framed = main.Label1->grab().toImage();
    key(&main, Qt::Key_Return);
    EXPECT_TRUE(main.pnlAlgebra->isVisible());
    QWidget* juros = child(&main, "lblJuros");
    for (int tabs = 0; tabs < 30 && QApplication::focusWidget() != juros; ++tabs)
        key(&main, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), juros);
    EXPECT_NE(main.Label1->grab().toImage(), framed) << "the focus frame went with the focus";
    key(&main, Qt::Key_Space);
    expectShown("TfrmJurosCompostos");
}

// A typed 123456 or -654321 shows from its first character once the focus leaves, with the whole
// text in the tooltip; a short one needs none.
TEST_F(Keyboard, TheDeterminantsBoxesShowWhatWasTyped) {
    auto& det = calvorin::window<TfrmDeterminante>();
    activate(&det);
    for (auto [text, cut] : {std::pair{"123456", true}, {"-654321", true}, {"12", false}}) {
        type(&det, det.t11, text);
        key(&det, Qt::Key_Tab);
        EXPECT_FALSE(det.t11->hasFocus());
        EXPECT_EQ(det.t11->cursorPosition(), 0) << text;
        EXPECT_EQ(det.t11->toolTip(), cut ? text : "") << text;
    }
    EXPECT_EQ(det.size(), QSize(377, 101));
}

} // namespace
