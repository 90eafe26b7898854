// The script editor: loading at each showing, saving, and the preview run.
#include "commands_fixture.h"

#include "platform/clipboard.h"
#include "platform/dialogs.h"

#include <QAction>
#include <QTest>
#include <QToolButton>

using namespace commands_test;

namespace {

class EditorTest : public CommandsTest {
protected:
    void setText(const QString& text) { editor().texto->setPlainText(text); }
    QString text() { return editor().texto->toPlainText(); }
};

TEST_F(EditorTest, WithoutScriptShowsSobre) {
    calvorin::showWindow(&editor());
    EXPECT_EQ(editor().windowTitle(), "Script de inicialização");
    EXPECT_EQ(text(), "sobre");
    editor().Salvar1->trigger();
    EXPECT_EQ(readFile("autoexec.cv1"), "sobre\r\n");
}

// Inside the toolbar a label takes the button text colour unless told otherwise.
TEST_F(EditorTest, PreviewLabelIsDrawnAsABlueLink) {
    const QLabel* preview = editor().btnPreview;
    EXPECT_EQ(preview->text(), "Preview");
    EXPECT_EQ(preview->palette().color(preview->foregroundRole()), QColor(Qt::blue));
    EXPECT_TRUE(preview->font().bold() && preview->font().underline());
    EXPECT_EQ(preview->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(EditorTest, SavingWritesWindows1252LinesEndedByCrLf) {
    struct Save {
        QString memo;
        QByteArray file;
    };
    const Save saves[] = {
        {"calc\ngraf", "calc\r\ngraf\r\n"},
        {"calc\ngraf\n", "calc\r\ngraf\r\n"},
        {"calc\n\ngraf\n\n", "calc\r\n\r\ngraf\r\n\r\n"},
        {"", ""},
        {"\n", "\r\n"},
        {" calc ", " calc \r\n"},
        {"calc\u00A0", "calc\xA0\r\n"}, // a no-break space stays one
        {"d\x1A" "e", "d\x1A" "e\r\n"},   // as loaded, Ctrl+Z and all
    };
    for (const Save& s : saves) {
        SCOPED_TRACE(s.memo.toStdString());
        setText(s.memo);
        editor().Salvar1Click();
        EXPECT_EQ(readFile("autoexec.cv1"), s.file);
    }
}

TEST_F(EditorTest, ShowingLoadsTheWholeScript) {
    struct Load {
        QByteArray file;
        QString memo;
    };
    // Every line end an editor knows; what follows a Ctrl+Z is kept, so that saving loses nothing.
    const Load loads[] = {{"vers\xE3o\r\ngraf\r\n", "versão\ngraf"},
                          {"a\nb\r\nc\rd\x1A" "e\r\n", "a\nb\nc\nd\x1A" "e"},
                          {"", ""}};
    for (const Load& l : loads) {
        SCOPED_TRACE(l.file.toStdString());
        writeFile("autoexec.cv1", l.file);
        editor().hide();
        setText("edited");
        calvorin::showWindow(&editor());
        EXPECT_EQ(text(), l.memo);
    }
}

TEST_F(EditorTest, EditsAreLostOnReshowOnlyWhenTheScriptExists) {
    ASSERT_TRUE(QDir().mkdir("autoexec.cv1")); // a folder of that name is no script
    calvorin::showWindow(&editor());
    setText("graf");
    editor().hide();
    calvorin::showWindow(&editor());
    EXPECT_EQ(text(), "graf"); // no script: the memo keeps its text

    ASSERT_TRUE(QDir().rmdir("autoexec.cv1"));
    editor().Salvar1Click();
    setText("calc");
    calvorin::showWindow(&editor()); // already visible: nothing is loaded
    EXPECT_EQ(text(), "calc");
    editor().hide();
    calvorin::showWindow(&editor());
    EXPECT_EQ(text(), "graf");
}

TEST_F(EditorTest, PreviewRunsTheMemoInScriptModeAndLeavesTheScriptAlone) {
    writeFile("autoexec.cv1", "sobre\r\n");
    setText("calc\ngraf\nCalc\nver\ntools");
    editor().Preview1->trigger();
    EXPECT_EQ(effects, QStringList({"TfrmCalc", "TfrmGraph", "TfrmSplash", "Tfrmtools"}));
    // the tools listing, in the hidden command window
    EXPECT_EQ(comandos().lines(), intro + calvorin::korvanta::lines(calvorin::korvanta::Printout::Tools));
    EXPECT_EQ(readFile("autoexec.cv1"), "sobre\r\n");
    EXPECT_EQ(readFile("script.tmp"), "calc\r\ngraf\r\nCalc\r\nver\r\ntools\r\n");
}

TEST_F(EditorTest, TwoPreviewsBothRun) {
    setText("calc\ngraf");
    QTest::mouseClick(editor().btnPreview, Qt::LeftButton);
    setText("juros");
    editor().Preview1->trigger();
    EXPECT_EQ(effects, QStringList({"TfrmCalc", "TfrmGraph", "TfrmJurosCompostos"}));
    EXPECT_EQ(readFile("script.tmp"), "juros\r\n");
}

TEST_F(EditorTest, PreviewEndsTheProgramAtFim) {
    setText("calc\nfim\ngraf");
    EXPECT_EQ(exitCodeOf([&] { editor().Preview1Click(); }), 1);
    EXPECT_EQ(effects, QStringList{"TfrmCalc"});
}

// A file that cannot be written is an error box, and nothing of the memo runs.
TEST_F(EditorTest, WriteFailureIsAnErrorBoxAndRunsNothing) {
    struct Failure {
        const char* blocked; // a folder where the file should go
        QAction* TfrmEditor::*item;
    };
    const Failure failures[] = {
        {"script.tmp", &TfrmEditor::Preview1},
        {"autoexec.cv1", &TfrmEditor::Salvar1},
    };
    for (const Failure& f : failures) {
        SCOPED_TRACE(f.blocked);
        restart();
        ASSERT_TRUE(QDir().mkdir(f.blocked));
        calvorin::DialogRecorder recorder;
        setText("calc");
        (editor().*f.item)->trigger();
        EXPECT_EQ(recorder.errors.size(), 1);
        EXPECT_EQ(effects, QStringList{});
        ASSERT_TRUE(QDir().rmdir(f.blocked));
    }
}

TEST_F(EditorTest, ToolbarCutsCopiesPastesAndSaves) {
    setText("calc graf");
    QTextCursor cursor = editor().texto->textCursor();
    cursor.setPosition(0);
    cursor.setPosition(4, QTextCursor::KeepAnchor);
    editor().texto->setTextCursor(cursor);
    editor().ToolButton4->click();
    EXPECT_EQ(calvorin::clipboardText(), "calc");
    editor().ToolButton3->click();
    EXPECT_EQ(text(), " graf");
    cursor.movePosition(QTextCursor::End);
    editor().texto->setTextCursor(cursor);
    editor().ToolButton5->click();
    EXPECT_EQ(text(), " grafcalc");
    setText("mdc");
    editor().ToolButton1->click();
    EXPECT_EQ(readFile("autoexec.cv1"), "mdc\r\n");
}

} // namespace
