// The command window: executing typed lines, its keys, and the last command.
#include "commands_fixture.h"

#include "platform/help.h"

#include <QAbstractButton>
#include <QAction>
#include <QTest>

using namespace commands_test;
using calvorin::korvanta::lines;
using calvorin::korvanta::Printout;

namespace {

class ComandosTest : public CommandsTest {
protected:
    void SetUp() override {
        CommandsTest::SetUp();
        calvorin::showWindow(&comandos());
        comandos().txtcomando->setFocus();
    }

    void type(const QString& text) {
        comandos().txtcomando->setText(text);
        comandos().txtExecClick();
    }

    QLineEdit* edit() { return comandos().txtcomando; }
};

TEST_F(ComandosTest, StartsAsTheUserFirstSeesIt) {
    EXPECT_EQ(comandos().lines(), intro);
    EXPECT_EQ(edit()->text(), "?");
    EXPECT_TRUE(comandos().visor->isReadOnly());
    for (QWidget* w :
         std::initializer_list<QWidget*>{comandos().visor, comandos().txtExec, comandos().Button2})
        EXPECT_FALSE(w->focusPolicy() & Qt::TabFocus) << "Tab only ever reaches the edit";
}

// Return in the edit or in the output, or a click on Executar, runs the line and empties the edit;
// the "?" the edit starts with runs at once.
TEST_F(ComandosTest, ReturnOrExecutarRunsTheLine) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(&comandos()));
    const struct {
        const char* typed; // nullptr: the edit as it starts
        QWidget* focus;    // where Return is pressed; nullptr: Executar is clicked
        const char* effect;
    } rows[] = {
        {nullptr, edit(), "help"}, {"calc", comandos().visor, "TfrmCalc"}, {"Calc", nullptr, "TfrmCalc"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.effect);
        effects.clear();
        if (row.typed) edit()->setText(row.typed);
        if (row.focus) {
            row.focus->setFocus();
            QTest::keyClick(row.focus, Qt::Key_Return);
        } else {
            QTest::mouseClick(comandos().txtExec, Qt::LeftButton);
        }
        EXPECT_EQ(effects, QStringList{row.effect});
        EXPECT_EQ(edit()->text(), "");
    }
    EXPECT_EQ(comandos().lines(), intro + QStringList({"", "", ""}));
    EXPECT_EQ(comandos().lastCommand(), "Calc");
}

TEST_F(ComandosTest, EscapeHidesAndKeepsEverything) {
    type("pa");
    edit()->setText("graf");
    QTest::keyClick(edit(), Qt::Key_Escape);
    EXPECT_FALSE(comandos().isVisible());
    calvorin::showWindow(&comandos());
    EXPECT_EQ(comandos().lines(), intro + lines(Printout::Progressions) + QStringList{""});
    EXPECT_EQ(edit()->text(), "graf");
    EXPECT_EQ(comandos().lastCommand(), "pa");
}

TEST_F(ComandosTest, SeparatorFollowsEveryCommandAndClearLeavesOneEmptyLine) {
    type("sair");
    type("");
    EXPECT_EQ(comandos().lines(), intro + QStringList({"", ""}));
    type("clr");
    EXPECT_EQ(comandos().lines(), QStringList{""});
    EXPECT_EQ(comandos().visor->toPlainText(), "\n");
    type("limpar");
    type("ferramentas");
    EXPECT_EQ(comandos().lines(), QStringList{""} + lines(Printout::Tools) + QStringList{""});
}

// Ctrl+Z puts back the last line as typed; the edit's own undo never gets the key.
TEST_F(ComandosTest, CtrlZBringsBackTheLastCommand) {
    struct Step {
        QStringList executed; // lines executed first
        QString typedAfter;   // typed into the edit before Ctrl+Z
        QString expected;
    };
    const Step steps[] = {
        {{}, "", ""},
        {{}, "abc", ""},
        {{"Graf"}, "", "Graf"},
        {{"Graf"}, "x", "Graf"},
        {{"VERSÃO", "sair"}, "", "sair"},
        {{"pa", ""}, "tools", ""},
    };
    // Active, the menu's shortcut takes the key; inactive, the edit hands it over itself.
    for (bool active : {true, false}) {
        for (const Step& s : steps) {
            SCOPED_TRACE(s.executed.join('|').toStdString() + " then " + s.typedAfter.toStdString() +
                         (active ? " (active)" : ""));
            restart();
            calvorin::showWindow(&comandos());
            if (active) {
                ASSERT_TRUE(QTest::qWaitForWindowActive(&comandos()));
            }
            for (const QString& line : s.executed)
                type(line);
            edit()->setFocus();
            QTest::keyClicks(edit(), s.typedAfter);
            QTest::keyClick(edit(), Qt::Key_Z, Qt::ControlModifier);
            EXPECT_EQ(edit()->text(), s.expected);
        }
    }
}

TEST_F(ComandosTest, LastCommandMenuItemAndHelpItem) {
    type("Graf");
    comandos().mnuUltimo->trigger();
    EXPECT_EQ(edit()->text(), "Graf");
    calvorin::setApplicationHelpFile("Cv21.hlp");
    comandos().mnuLista->trigger();
    EXPECT_EQ(calvorin::applicationHelpFile(), "cv21.hlp");
}

TEST_F(ComandosTest, FimEndsBeforeTheSeparatorAndTheLastCommand) {
    type("Graf");
    edit()->setText("Fim");
    EXPECT_EQ(exitCodeOf([&] { comandos().txtExecClick(); }), 1);
    EXPECT_EQ(comandos().lines(), intro + QStringList{""});
    EXPECT_EQ(comandos().lastCommand(), "Graf");
    EXPECT_EQ(edit()->text(), "Fim");
}

} // namespace
