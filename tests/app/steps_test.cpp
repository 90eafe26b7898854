// "Resolução passo a passo" as a user reaches it: F2 on a tool window, the answer's context menu by
// a right click or Shift+F10, and the steps following that window's calculations.
#include "app_fixture.h"

#include "platform/clipboard.h"
#include "tools/fEqua2.h"
#include "ui/fResolucao.h"

#include <QMenu>
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
    QString shown() const { return steps.txtPassos->toPlainText(); }
};

TEST_F(StepsTest, OpenedWithF2ItFollowsEachCalculationAndAFailureLeavesNone) {
    key(&equa2, Qt::Key_F2);
    ASSERT_TRUE(steps.isVisible());
    EXPECT_EQ(steps.lblJanela->text(), "Equações de 2° Grau");
    EXPECT_EQ(shown(), noneYet) << "before any calculation";
    // Each failure after a good one: the silent check, the conversion box, an arithmetic error box.
    const std::tuple<const char*, const char*, bool> rows[] = {{"1", "", true},  {"1,5", "", false},
                                                               {"1", "", true},  {"-", "", false},
                                                               {"1", "1", true}, {"0", "2", false}};
    for (auto [a, b, solved] : rows) {
        calculate(a, b, "-4");
        EXPECT_EQ(shown(), solved ? equa2.steps().join('\n') : noneYet) << a;
        EXPECT_EQ(equa2.steps().isEmpty(), !solved) << a;
    }
    EXPECT_EQ(dialogs.errors.size(), 2);
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

// Every tool window by its calculate button(s): F2 opens its steps, and calculating forgets the
// last ones, whatever then happens.
TEST_F(StepsTest, EveryToolWindowOpensItsStepsAndForgetsThemOnCalculate) {
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
        key(tool, Qt::Key_F10, Qt::ShiftModifier); // every window has an answer with the menu
        QWidget* menu = QApplication::activePopupWidget();
        ASSERT_NE(menu, nullptr);
        EXPECT_TRUE(menu->actions().contains(child<QAction>(tool, "mnuResolucao")));
        menu->close();
        tool->solved({"stale"});
        EXPECT_EQ(shown(), "stale");
        child<QAbstractButton>(tool, name[1].toLatin1())->click();
        EXPECT_NE(shown(), "stale");
        EXPECT_NE(tool->steps(), QStringList{"stale"});
        tool->hide();
    }
}

} // namespace
