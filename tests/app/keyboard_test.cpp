// The keyboard as a student uses it: Return calculates, Esc closes, Tab and Enter follow the links,
// and a narrow edit keeps the start of what was typed in view.
#include "app_fixture.h"

#include "core/numbers.h"
#include "graph/fGraph.h"
#include "ui/linklabel.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <tuple>
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
    static void key(QWidget* w, Qt::Key k) { QTest::keyClick(w->windowHandle(), k); }
    // The one window shown besides the main window.
    static QWidget* opened() {
        for (QWidget* w : calvorin::WindowRegistry::windows())
            if (w->isVisible() && w != &mainWindow()) return w;
        return nullptr;
    }
};

// Every window of the "Problemas" menu, opened from its item: Return in each edit or combo box
// presses its first "Calcular" (the graph window: the button beside the input), and Esc hides the
// window with its texts kept. The calculator keeps Esc as it always was.
TEST_F(Keyboard, ReturnCalculatesAndEscHidesInEveryWindowOfTheMenu) {
    std::vector<QAction*> items;
    const std::function<void(QMenu*)> collect = [&](QMenu* menu) {
        for (QAction* a : menu->actions())
            a->menu() ? collect(a->menu()) : items.push_back(a);
    };
    collect(child<QMenu>(&mainWindow(), "mnuProblemas"));
    QSet<QWidget*> windows;
    for (QAction* item : items) {
        if (item->isSeparator()) continue;
        showMainWindow();
        item->trigger();
        QWidget* w = opened();
        ASSERT_NE(w, nullptr) << item->objectName().toStdString();
        SCOPED_TRACE(w->metaObject()->className());
        windows << w;
        activate(w);
        const bool calculator = item->objectName() == "mnuCalc";
        auto* graph = qobject_cast<TfrmGraph*>(w);
        QAbstractButton* calculate = nullptr;
        for (auto* b : w->findChildren<QAbstractButton*>())
            if (!calculate && (b->text() == "&Calcular" || b->text() == "Calcular")) calculate = b;
        for (QWidget* input : w->findChildren<QWidget*>()) {
            auto* edit = qobject_cast<QLineEdit*>(input);
            if (calculator || !input->isVisible() || !(edit || qobject_cast<QComboBox*>(input))) continue;
            if (edit && edit->isReadOnly()) continue;
            QAbstractButton* expected = !graph                          ? calculate
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
        EXPECT_EQ(w->isVisible(), calculator);
        EXPECT_EQ(first->text(), "7");
    }
    EXPECT_EQ(windows.size(), 26); // the 24 tool windows, the calculator and the graph window
}

// One press each, in order, and the properties it leaves.
TEST_F(Keyboard, OnePressEach) {
    calvorin::setDecimalSeparator(',');
    TfrmMain& main = mainWindow();
    // clang-format off
    const struct {
        const char* window; // opened from the main window's item so named, else the window of that class; "" the main window
        std::vector<std::pair<const char*, const char*>> typed; // key by key into each control; the last keeps the focus
        Qt::Key key;
        std::vector<std::tuple<const char*, const char*, QVariant>> then; // control ("" the window, else a window's class), property, value
    } rows[] = {
        {"mnuJuros", {{"txtVinit", "1000"}, {"txtJuros", "1,5"}, {"txtTempo", "12"}}, Qt::Key_Return, {{"lblResposta", "text", "1195,61817146154"}}},
        // a number too long for its box shows from its first character once the focus leaves, whole in the tooltip
        {"mnuDeterminante", {{"t11", "123456"}}, Qt::Key_Tab, {{"t11", "focus", false}, {"t11", "cursorPosition", 0}, {"t11", "toolTip", "123456"}}},
        {"mnuDeterminante", {{"t11", "-654321"}}, Qt::Key_Tab, {{"t11", "cursorPosition", 0}, {"t11", "toolTip", "-654321"}}},
        {"mnuDeterminante", {{"t11", "12"}}, Qt::Key_Tab, {{"t11", "cursorPosition", 0}, {"t11", "toolTip", ""}}},
        {"TfrmResolucao", {}, Qt::Key_Escape, {{"", "visible", false}}},
        // the main window's links open with Return, keypad Enter and Space
        {"", {{"Label1", ""}}, Qt::Key_Return, {{"pnlAlgebra", "visible", true}}},
        {"", {{"Label2", ""}}, Qt::Key_Enter, {{"pnlGeo", "visible", true}}},
        {"", {{"Label8", ""}}, Qt::Key_Space, {{"TfrmComandos", "visible", true}}},
        // a topic page opens with its first link focused; Esc closes it and the how-to-help window
        {"TfrmPA", {}, Qt::Key_Return, {{"TfrmTQPA", "visible", true}}},
        {"TfrmPA", {}, Qt::Key_Escape, {{"", "visible", false}}},
        {"TfrmMeajude", {}, Qt::Key_Escape, {{"", "visible", false}}},
        // the credits' Enter presses "Fechar" until a link has the focus
        {"TfrmSplash", {}, Qt::Key_Return, {{"", "visible", false}}},
        {"TfrmSplash", {{"lblMeajude", ""}}, Qt::Key_Return, {{"TfrmMeajude", "visible", true}}},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.window) + " " + (row.typed.empty() ? "" : row.typed.back().second));
        showMainWindow();
        QWidget* w = &main;
        if (QAction* item = *row.window ? child<QAction>(&main, row.window) : nullptr) {
            item->trigger();
            w = opened();
        } else if (*row.window) {
            w = windowNamed(row.window);
        }
        ASSERT_NE(w, nullptr);
        activate(w);
        for (auto [name, text] : row.typed) {
            QWidget* control = child(w, name);
            control->setFocus();
            if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->clear();
            for (const char* c = text; *c; ++c)
                QTest::keyClick(w->windowHandle(), *c);
        }
        key(w, row.key);
        for (const auto& [name, property, value] : row.then) {
            QObject* control = !*name ? w : child(w, name) ? child(w, name) : windowNamed(name);
            EXPECT_EQ(control->property(property), value) << name << " " << property;
        }
        EXPECT_TRUE(dialogs.messages.isEmpty() && dialogs.errors.isEmpty());
    }
    calvorin::setDecimalSeparator('.');
}

// The first Tab lands on "Algebra", which draws its focus frame, and Tab goes on to the links of
// the panel shown.
TEST_F(Keyboard, TabFollowsTheMainWindowsLinks) {
    TfrmMain& main = mainWindow();
    activate(&main);
    main.showPanel(main.pnlAlgebra);
    main.centralWidget()->setFocus();
    const QImage plain = main.Label1->grab().toImage();
    key(&main, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), main.Label1);
    EXPECT_NE(main.Label1->grab().toImage(), plain) << "a focused link draws its frame";
    QWidget* juros = child(&main, "lblJuros");
    for (int tabs = 0; tabs < 30 && QApplication::focusWidget() != juros; ++tabs)
        key(&main, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), juros);
}

} // namespace
