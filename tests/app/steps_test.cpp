// "Resolução passo a passo" as a user reaches it: F2 on a tool window, the answer's context menu by
// a right click or Shift+F10, and the steps following that window's calculations.
#include "app_fixture.h"

#include "platform/clipboard.h"
#include "tools/fEqua2.h"
#include "ui/fResolucao.h"

#include <QMenu>
#include <QTest>

using namespace apptest;
using calvorin::ToolWindow;

namespace {

const QString noneYet = "Nenhum cálculo concluído.";

class StepsTest : public WindowTest {
protected:
    TfrmResolucao& steps = calvorin::window<TfrmResolucao>();

    static void activate(QWidget* w) {
        calvorin::showWindow(w);
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    }
    // The window system hands keys and clicks to the top-level window.
    static void key(QWidget* w, Qt::Key k, Qt::KeyboardModifiers mods = {}) {
        QTest::keyClick(w->windowHandle(), k, mods);
    }
    static void rightClick(QWidget* control) {
        QWidget* top = control->window();
        QTest::mouseClick(top->windowHandle(), Qt::RightButton, {}, control->mapTo(top, control->rect().center()));
    }
    static QMenu* answerMenu(QWidget* tool) { return child<QMenu>(tool, "mnuResposta"); }
    QString shown() const { return steps.txtPassos->toPlainText(); }
};

TEST_F(StepsTest, OpenedFromTheQuadraticEquationItFollowsEachCalculation) {
    auto& equa2 = calvorin::window<TfrmEqua2>();
    activate(&equa2);
    key(&equa2, Qt::Key_F2);
    ASSERT_TRUE(steps.isVisible());
    EXPECT_EQ(steps.lblJanela->text(), "Equações de 2° Grau");
    EXPECT_EQ(shown(), noneYet) << "before any calculation";

    // A good calculation, then each way one fails: the silent check, the conversion box, an
    // arithmetic error box. Each failure leaves no stale steps.
    const struct {
        const char *a, *b, *c;
        bool solved;
    } rows[] = {
        {"1", "", "-4", true}, {"1,5", "", "-4", false}, {"1", "", "-4", true},
        {"-", "", "-4", false}, {"1", "1", "1", true},  {"0", "2", "1", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.a);
        equa2.txtA->setText(row.a);
        equa2.txtB->setText(row.b);
        equa2.txtC->setText(row.c);
        equa2.Button1->click();
        EXPECT_EQ(shown(), row.solved ? equa2.steps().join('\n') : noneYet);
        EXPECT_EQ(equa2.steps().isEmpty(), !row.solved);
    }
    EXPECT_EQ(dialogs.errors.size(), 2);
}

TEST_F(StepsTest, TheAnswerMenuCopiesTheAnswerAndOpensTheSteps) {
    auto& equa2 = calvorin::window<TfrmEqua2>();
    equa2.txtA->setText("1");
    equa2.txtB->setText("");
    equa2.txtC->setText("-4");
    equa2.Button1->click();
    activate(&equa2);
    QMenu* menu = answerMenu(&equa2);
    ASSERT_NE(menu, nullptr);

    rightClick(equa2.lblSol2);
    ASSERT_TRUE(menu->isVisible());
    child<QAction>(menu, "mnuCopiarResposta")->trigger();
    menu->hide();
    EXPECT_EQ(calvorin::clipboardText(), "-2");

    for (auto [k, mods] : {std::pair{Qt::Key_F10, Qt::KeyboardModifiers(Qt::ShiftModifier)},
                           std::pair{Qt::Key_Menu, Qt::KeyboardModifiers()}}) {
        activate(&equa2);
        equa2.txtB->setFocus(); // an edit's own menu key must not win
        key(&equa2, k, mods);
        ASSERT_TRUE(menu->isVisible()) << k;
        EXPECT_TRUE(menu->geometry().contains(equa2.lblSol1->mapToGlobal(equa2.lblSol1->rect().center())));
        menu->hide();
    }
    steps.hide();
    rightClick(equa2.lblVertex);
    child<QAction>(menu, "mnuResolucao")->trigger();
    menu->hide();
    EXPECT_TRUE(steps.isVisible());
    EXPECT_TRUE(shown().contains("√Δ = 4"));
}

// Every tool window, by its calculate button(s): F2 opens its steps, and pressing calculate
// forgets the last worked solution, whatever then happens.
TEST_F(StepsTest, EveryToolWindowOpensItsStepsAndForgetsThemOnCalculate) {
    const std::pair<const char*, std::vector<const char*>> tools[] = {
        {"TfrmTQPA", {"Button1"}},          {"TfrmNTPA", {"Button1"}},
        {"TfrmSTPA", {"Button1"}},          {"TfrmTQPG", {"Button1"}},
        {"Tfrmstpg", {"Button1"}},          {"Tfrmptpg", {"Button1"}},
        {"TfrmEqua2", {"Button1"}},         {"TfrmJurosCompostos", {"Button1"}},
        {"TfrmFatoriais", {"Button1"}},     {"TfrmCombinations", {"btnCalc"}},
        {"TfrmMDC", {"FlatButton1"}},       {"TfrmRegra3", {"btnCalc"}},
        {"TfrmPitagoras", {"Button1"}},     {"TfrmTrigonometria", {"Button1"}},
        {"TfrmDistancia", {"Button1"}},     {"TfrmInclination", {"Button1"}},
        {"TfrmPontoReta", {"FlatButton1"}}, {"TfrmSumAng", {"FlatButton1"}},
        {"TfrmDiagonais", {"FlatButton1"}}, {"TfrmOperMatrizes", {"Button1"}},
        {"TfrmDeterminante", {"Button1"}},  {"TfrmConvertTemperatura", {"Button1"}},
        {"TfrmConvertVelocidade", {"btnCalc"}}, {"TfrmCalorias", {"btnCalc"}},
    };
    for (const auto& [name, buttons] : tools) {
        SCOPED_TRACE(name);
        auto* tool = qobject_cast<ToolWindow*>(windowNamed(name));
        ASSERT_NE(tool, nullptr);
        activate(tool);
        key(tool, Qt::Key_F2);
        EXPECT_TRUE(steps.isVisible());
        EXPECT_EQ(steps.following(), tool);
        steps.hide();
        for (const char* button : buttons) {
            const std::vector<std::string> stale = {"stale"};
            tool->solved(stale);
            EXPECT_EQ(shown(), "stale");
            child<QAbstractButton>(tool, button)->click();
            EXPECT_NE(tool->steps(), QStringList{"stale"});
            EXPECT_NE(shown(), "stale");
        }
        tool->hide();
    }
}

} // namespace
