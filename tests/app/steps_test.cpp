// "Resolução passo a passo" as a user reaches it: F2 on a tool window, the answer's context menu by
// a right click or Shift+F10, and the steps following that window's calculations.
#include "app_fixture.h"

#include "core/numbers.h"
#include "platform/clipboard.h"
#include "tools/fEqua2.h"
#include "ui/fResolucao.h"

#include <QComboBox>
#include <QMenu>
#include <QScreen>
#include <QTest>

using namespace apptest;

// Readable failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

const QString noneYet = "Nenhum cálculo concluído.";

class StepsTest : public WindowTest {
protected:
    TfrmResolucao& steps = calvorin::window<TfrmResolucao>();
    TfrmEqua2& equa2 = calvorin::window<TfrmEqua2>();

    // Keys and clicks go to the active top-level window, as the window system hands them.
    static void key(QWidget* w, Qt::Key k, Qt::KeyboardModifiers mods = {}) {
        calvorin::showWindow(w);
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
        QTest::keyClick(w->windowHandle(), k, mods);
    }
    void calculate(const char* a, const char* b, const char* c) {
        equa2.txtA->setText(a);
        equa2.txtB->setText(b);
        equa2.txtC->setText(c);
        equa2.Button1->click();
    }
    // A left click on the button, delivered to its window as the window system does.
    static void clickOn(QWidget* w, QAbstractButton* button) {
        calvorin::showWindow(w);
        QTest::mouseClick(w->windowHandle(), Qt::LeftButton, {}, button->mapTo(w, button->rect().center()));
    }
    QString shown() const { return steps.txtPassos->toPlainText(); }
};

// What a press of "Calcular" leaves in the steps: its own when it ends well, none when it ends in
// a box, and those of the answer still shown when it ends in neither.
enum Outcome { solved, kept, none };

TEST_F(StepsTest, APressThatDoesNothingKeepsTheStepsAndAFailedOneLeavesNone) {
    const struct {
        const char* window;
        const char* button;
        std::vector<std::pair<const char*, const char*>> typed;
        Outcome outcome;
    } presses[] = {
        // clang-format off
        {"TfrmEqua2", "Button1", {{"txtA", "1"}, {"txtB", ""}, {"txtC", "-4"}}, solved},
        {"TfrmEqua2", "Button1", {{"txtA", "1,5"}}, kept}, // the silent check
        {"TfrmEqua2", "Button1", {{"txtA", "-"}}, none},   // the conversion error box
        {"TfrmEqua2", "Button1", {{"txtA", "1"}, {"txtB", "1"}}, solved},
        {"TfrmEqua2", "Button1", {{"txtA", "0"}, {"txtB", "2"}}, none}, // an arithmetic error box
        {"TfrmRegra3", "btnCalc", {{"txt1", "3"}, {"txt2", "12"}, {"txt3", "5"}, {"txt4", ""}}, solved},
        {"TfrmRegra3", "btnCalc", {{"txt4", "20"}}, kept},                 // all four filled
        {"TfrmRegra3", "btnCalc", {{"txt2", ""}, {"txt4", ""}}, none},     // its own message
        {"TfrmTrigonometria", "Button1", {{"cmbFunction", "Seno"}, {"txtValor", "30"}}, solved},
        {"TfrmTrigonometria", "Button1", {{"cmbFunction", "Sen"}}, kept}, // names no function
        {"TfrmTrigonometria", "Button1", {{"txtValor", "x"}}, none},      // the validation message
        // clang-format on
    };
    const char separator = calvorin::decimalSeparator();
    calvorin::setDecimalSeparator('.');
    for (const auto& press : presses) {
        auto* tool = qobject_cast<calvorin::ToolWindow*>(windowNamed(press.window));
        ASSERT_NE(tool, nullptr) << press.window;
        if (steps.following() != tool) key(tool, Qt::Key_F2);
        SCOPED_TRACE(std::string(press.window) + " " + press.typed.front().second);
        for (auto [name, text] : press.typed) {
            if (auto* combo = child<QComboBox>(tool, name))
                combo->setCurrentText(text);
            else
                child<QLineEdit>(tool, name)->setText(text);
        }
        const QString before = shown();
        clickOn(tool, child<QAbstractButton>(tool, press.button));
        const QString expected = press.outcome == solved ? tool->steps().join('\n')
                                 : press.outcome == kept ? before
                                                         : noneYet;
        EXPECT_EQ(shown(), expected);
        EXPECT_EQ(tool->steps().isEmpty(), shown() == noneYet);
    }
    calvorin::setDecimalSeparator(separator);
}

TEST_F(StepsTest, TheAnswerMenuCopiesThatAnswerAndOpensTheSteps) {
    calculate("1", "", "-4");
    auto* menu = child<QMenu>(&equa2, "mnuResposta");
    ASSERT_NE(menu, nullptr);
    for (auto [k, mods] : {std::pair{Qt::Key_F10, Qt::KeyboardModifiers(Qt::ShiftModifier)},
                           std::pair{Qt::Key_Menu, Qt::KeyboardModifiers()}}) {
        equa2.txtB->setFocus(); // not the edit's own menu
        key(&equa2, k, mods);
        ASSERT_TRUE(menu->isVisible()) << k;
        EXPECT_TRUE(menu->geometry().contains(equa2.lblSol1->mapToGlobal(equa2.lblSol1->rect().center())));
        menu->hide();
    }
    const auto rightClick = [&](QLabel* answer, const char* item) {
        QTest::mouseClick(equa2.windowHandle(), Qt::RightButton, {},
                          answer->mapTo(&equa2, answer->rect().center()));
        ASSERT_TRUE(menu->isVisible());
        child<QAction>(menu, item)->trigger();
        menu->hide();
    };
    rightClick(equa2.lblSol2, "mnuCopiarResposta");
    EXPECT_EQ(calvorin::clipboardText(), "-2");
    steps.hide();
    rightClick(equa2.lblVertex, "mnuResolucao");
    EXPECT_TRUE(steps.isVisible());
    EXPECT_TRUE(shown().contains("√Δ = 4"));
    steps.btnCopiar->click();
    EXPECT_EQ(calvorin::clipboardText(), equa2.steps().join('\n'));
}

// Every tool window by its calculate button: F2 opens its steps, and a press with its inputs empty
// leaves none when it ends in a box and the steps as they were when it ends in nothing.
TEST_F(StepsTest, EveryToolWindowOpensItsStepsAndSettlesThemOnCalculate) {
    const QStringList tools =
        QString("TfrmTQPA Button1, TfrmNTPA Button1, TfrmSTPA Button1, TfrmTQPG Button1, "
                "Tfrmstpg Button1, Tfrmptpg Button1, TfrmEqua2 Button1, TfrmJurosCompostos Button1, "
                "TfrmFatoriais Button1, TfrmCombinations btnCalc, TfrmMDC FlatButton1, "
                "TfrmRegra3 btnCalc, TfrmPitagoras Button1, TfrmTrigonometria Button1, "
                "TfrmDistancia Button1, TfrmInclination Button1, TfrmPontoReta FlatButton1, "
                "TfrmSumAng FlatButton1, TfrmDiagonais FlatButton1, TfrmOperMatrizes Button1, "
                "TfrmDeterminante Button1, TfrmConvertTemperatura Button1, "
                "TfrmConvertVelocidade btnCalc, TfrmCalorias btnCalc")
            .split(", ");
    for (const QString& names : tools) {
        SCOPED_TRACE(names.toStdString());
        const QStringList name = names.split(' ');
        auto* tool = qobject_cast<calvorin::ToolWindow*>(windowNamed(name[0].toLatin1()));
        ASSERT_NE(tool, nullptr);
        key(tool, Qt::Key_F2);
        EXPECT_EQ(steps.following(), tool);
        EXPECT_EQ(steps.lblJanela->text(), tool->windowTitle());
        key(tool, Qt::Key_F10, Qt::ShiftModifier); // every window has an answer with the menu
        QWidget* menu = QApplication::activePopupWidget();
        ASSERT_NE(menu, nullptr);
        EXPECT_TRUE(menu->actions().contains(child<QAction>(tool, "mnuResolucao")));
        menu->close();
        for (QLineEdit* input : tool->findChildren<QLineEdit*>())
            input->clear();
        tool->solved({"stale"});
        const qsizetype boxes = dialogs.messages.size() + dialogs.errors.size();
        clickOn(tool, child<QAbstractButton>(tool, name[1].toLatin1()));
        EXPECT_EQ(shown(), dialogs.messages.size() + dialogs.errors.size() > boxes ? noneYet : "stale");
        tool->hide();
    }
}

// The steps open beside their window, on screen: to its right, else below it, else to its left.
TEST_F(StepsTest, OpensBesideItsWindowNotOverItsInputs) {
    QWidget& tool = *windowNamed("TfrmSumAng"); // small enough for each side to fit on the test screen
    calvorin::showWindow(&tool);
    const QRect screen = tool.screen()->availableGeometry();
    const QSize size = tool.frameGeometry().size();
    const struct {
        QPoint at;
        const char* side;
    } places[] = {
        {screen.topLeft(), "right"},
        {QPoint(screen.right() + 1 - size.width(), screen.top()), "below"},
        {screen.bottomRight() + QPoint(1, 1) - QPoint(size.width(), size.height()), "left"},
    };
    for (const auto& place : places) {
        SCOPED_TRACE(place.side);
        steps.hide();
        tool.move(place.at);
        key(&tool, Qt::Key_F2);
        ASSERT_TRUE(steps.isVisible());
        const QRect t = tool.frameGeometry(), s = steps.frameGeometry();
        EXPECT_TRUE(screen.contains(s));
        EXPECT_FALSE(s.intersects(t));
        const std::string side = s.left() > t.right() ? "right" : s.top() > t.bottom() ? "below" : "left";
        EXPECT_EQ(side, place.side);
    }
    // Open, it stays where the user put it.
    steps.move(screen.topLeft());
    key(&tool, Qt::Key_F2);
    EXPECT_EQ(steps.pos(), screen.topLeft());
}

} // namespace
