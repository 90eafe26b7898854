#include "platform/dialogs.h"
#include "platform/locale.h"
#include "platform/textfile.h"
#include "report/fConfirmNR.h"
#include "report/fReport.h"
#include "report/fViewReport.h"
#include "report/report.h"
#include "ui/registry.h"
#include "ui/reportlog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

namespace calvorin {
void PrintTo(const RecordingState& s, std::ostream* os) {
    *os << (s.recording ? "recording" : "not recording") << (s.resumable ? ", resumable" : "");
}
} // namespace calvorin

using namespace calvorin;

namespace {

using State = RecordingState;
const State idle{false, false};
const State recordingState{true, false};
const State stopped{false, true};

class Report : public testing::Test {
protected:
    QTemporaryDir dir;
    QString oldDir = QDir::currentPath();
    DialogRecorder recorder;

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        QDir::setCurrent(dir.path());
        log.clear();
        log.setState(idle);
        WindowRegistry::add(new TfrmReport);
        WindowRegistry::add(new TfrmViewReport);
        WindowRegistry::add(new TfrmConfirmNR);
    }
    void TearDown() override {
        WindowRegistry::destroyAll();
        QDir::setCurrent(oldDir);
    }

    TfrmReport& generator() { return window<TfrmReport>(); }
    TfrmViewReport& viewer() { return window<TfrmViewReport>(); }
    TfrmConfirmNR& confirm() { return window<TfrmConfirmNR>(); }

    ReportLog& log = reportLog();
    State state() { return log.state(); }
    void enter(const State& s) { log.setState(s); }
    void pressIniciar() {
        generator().show();
        generator().btnIniciar->click();
    }
    static QByteArray bytes(const QString& name) {
        QFile f(name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    static void writeBytes(const QString& name, const QByteArray& b) {
        QFile f(name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(b);
    }
    QStringList files() { return QDir(dir.path()).entryList(QDir::Files, QDir::Name); }

    // Does what starts a report and expects the log to be that header, with a time either side of a
    // second's tick.
    void expectStarted(const std::function<void()>& start, const QStringList& header) {
        const QString before = longTimeText();
        start();
        const QString after = longTimeText();
        const auto at = [&](const QString& time) { return QStringList(header).replaceInStrings("%T", time); };
        EXPECT_TRUE(log.lines() == at(before) || log.lines() == at(after))
            << log.lines().join('|').toStdString();
    }

    // The save dialog cancelled (no name), or answered with a file that cannot be made.
    struct Unsaved {
        const char* name;
        QStringList errors;
    };
    const Unsaved unsaved[2] = {{nullptr, {}}, {"sem/pasta", {"Cannot create file sem/pasta.txt."}}};
    void answer(const Unsaved& u) {
        recorder.saveAnswers.clear();
        u.name ? recorder.answerSave(u.name) : recorder.answerCancel();
    }
};

// What starting a report writes, the long one from Iniciar on an empty log, the short one in place of
// a log with text; %T is the time of that moment.
const QStringList longHeader = {"Relatório do Calvorin 2.1", "Gerado em : %T", ""};
const QStringList shortHeader = {"Relatório do Calvorin 2.0", "Gerado em: %T"};

// ---- the log ---------------------------------------------------------------------------------

struct LinesCase {
    const char* text;
    QStringList lines;
};

TEST_F(Report, LogLinesAreTheMemoLines) {
    const LinesCase cases[] = {
        {"", {}},     {"a", {"a"}},         {"a\n", {"a"}},       {"a\n\n", {"a", ""}},
        {"\n", {""}}, {"a\nb", {"a", "b"}}, {"\tx \n", {"\tx "}}, {"a\n\nb\n", {"a", "", "b"}},
    };
    for (const LinesCase& c : cases) {
        viewer().txtReport->setPlainText(QString::fromUtf8(c.text));
        EXPECT_EQ(log.lines(), c.lines) << '"' << c.text << '"';
        EXPECT_EQ(log.isEmpty(), c.lines.isEmpty()) << '"' << c.text << '"';
    }
}

TEST_F(Report, AppendAddsOneLastLineEvenAfterAnUnfinishedLine) {
    QStringList signalled;
    QObject context; // the connection ends with the test
    QObject::connect(&log, &ReportLog::appended, &context, [&](const QString& line) { signalled << line; });
    log.record({"não gravando"});
    log.append("um");
    log.append("");
    log.append("três");
    viewer().txtReport->undo(); // appended lines are not the user's to undo
    EXPECT_EQ(log.lines(), QStringList({"um", "", "três"}));
    viewer().txtReport->setPlainText("digitado sem quebra");
    log.append("depois");
    EXPECT_EQ(log.lines(), QStringList({"digitado sem quebra", "depois"}));
    EXPECT_EQ(signalled, QStringList({"um", "", "três", "depois"}));
    EXPECT_FALSE(viewer().isVisible()) << "append shows nothing";
}

TEST_F(Report, ViewerShowsTheLiveLogAndItsEditsAreTheLog) {
    viewer().show();
    log.append("primeira");
    EXPECT_EQ(viewer().txtReport->toPlainText(), "primeira\n");
    QTextCursor c = viewer().txtReport->textCursor();
    c.movePosition(QTextCursor::End);
    c.insertText("editada");
    EXPECT_EQ(log.lines(), QStringList({"primeira", "editada"}));
}

// The user's edits in the viewer stay undoable when a calculation appends its lines; the appended
// lines themselves are never undone, nor brought back twice.
TEST_F(Report, UndoInTheViewerKeepsItsHistoryAcrossAppends) {
    pressIniciar();
    log.record({"2 + 3 = 5"});
    const QStringList before = log.lines(); // the header and the first calculation
    const QStringList a{"7 * 6 = 42"}, b{"1 / 4 = 0,25"};
    const struct {
        Qt::Key key; // Qt::Key_unknown: a calculation appends `lines`
        Qt::KeyboardModifiers mods;
        QStringList lines, shown;
    } steps[] = {
        {Qt::Key_A, Qt::ControlModifier, {}, before},
        {Qt::Key_Delete, {}, {}, {}},
        {Qt::Key_unknown, {}, a, a},
        {Qt::Key_Z, Qt::ControlModifier, {}, before + a}, // the deleted text, above what came after
        {Qt::Key_unknown, {}, b, before + a + b},
        {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, {}, a + b}, // redo: deleted again
        {Qt::Key_Z, Qt::ControlModifier, {}, before + a + b},
        {Qt::Key_Z, Qt::ControlModifier, {}, before + a + b}, // nothing of the user's left to undo
        {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, {}, a + b},
        {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, {}, a + b},
    };
    viewer().show();
    viewer().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&viewer()));
    viewer().txtReport->setFocus();
    for (const auto& s : steps) {
        if (s.key == Qt::Key_unknown)
            log.record(s.lines);
        else
            QTest::keyClick(viewer().windowHandle(), s.key, s.mods);
        EXPECT_EQ(log.lines().join('|').toStdString(), s.shown.join('|').toStdString())
            << "step " << &s - steps;
    }
}

TEST_F(Report, TabTypesATabInTheViewer) {
    viewer().show();
    viewer().txtReport->setFocus();
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, "\t");
    QApplication::sendEvent(viewer().txtReport, &tab);
    EXPECT_EQ(viewer().txtReport->toPlainText(), "\t");
}

// ---- starting a report -------------------------------------------------------------------------

// A log whose every character was deleted counts as empty again.
TEST_F(Report, StartWithEmptyLogWritesTheLongHeaderAndRecords) {
    for (const auto& [from, deleted] : {std::pair{idle, false}, {stopped, false}, {recordingState, true}}) {
        viewer().txtReport->clear();
        enter(from);
        if (deleted) {
            log.append("cálculo");
            QTextCursor c = viewer().txtReport->textCursor();
            c.select(QTextCursor::Document);
            c.removeSelectedText();
        }
        expectStarted([&] { pressIniciar(); }, longHeader);
        EXPECT_EQ(state(), recordingState);
        EXPECT_FALSE(confirm().isVisible());
        EXPECT_FALSE(generator().isVisible());
    }
}

// A lone line end is text too.
TEST_F(Report, StartWithTextAsksAndChangesNothing) {
    for (const auto& [text, lines] : {std::pair<QString, QStringList>{"antigo\n", {"antigo"}}, {"\n", {""}}})
        for (const State& from : {idle, recordingState, stopped}) {
            confirm().hide();
            viewer().txtReport->setPlainText(text);
            enter(from);
            pressIniciar();
            EXPECT_TRUE(confirm().isVisible());
            EXPECT_EQ(state(), from);
            EXPECT_EQ(log.lines(), lines);
            EXPECT_FALSE(generator().isVisible()) << "Iniciar hides the generator in every case";
        }
}

TEST_F(Report, StartFromCodeHidesNothing) {
    generator().show();
    expectStarted(report::start, longHeader);
    EXPECT_TRUE(generator().isVisible());
}

TEST_F(Report, GeneratorCancelAndViewerFecharOnlyHide) {
    log.append("fica");
    for (auto [w, button] : {std::pair<QWidget*, QAbstractButton*>{&generator(), generator().btnCancelar},
                             {&viewer(), viewer().btnFechar}}) {
        w->show();
        button->click();
        EXPECT_FALSE(w->isVisible());
        EXPECT_EQ(state(), idle);
        EXPECT_EQ(log.lines(), QStringList({"fica"}));
    }
}

TEST_F(Report, StopAndResumeKeepTheLogWithoutASecondHeader) {
    report::start();
    log.append("a");
    log.stop();
    EXPECT_EQ(state(), stopped);
    log.resume();
    EXPECT_EQ(state(), recordingState);
    log.append("b");
    const QStringList l = log.lines();
    ASSERT_EQ(l.size(), 5);
    EXPECT_EQ(l.mid(3), QStringList({"a", "b"}));
}

// ---- the confirmation window -------------------------------------------------------------------

struct ConfirmCase {
    State from;
    State after; // mnuRestart keeps what it was
};

TEST_F(Report, StartAnotherWithoutSavingWritesTheShortHeader) {
    for (const ConfirmCase& c :
         {ConfirmCase{idle, recordingState}, ConfirmCase{recordingState, recordingState},
          ConfirmCase{stopped, {true, true}}}) {
        viewer().txtReport->setPlainText("antigo\n");
        enter(c.from);
        report::start();
        expectStarted([&] { confirm().Button2->click(); }, shortHeader);
        EXPECT_EQ(state(), c.after);
        EXPECT_FALSE(confirm().isVisible());
    }
    EXPECT_TRUE(files().isEmpty());
}

TEST_F(Report, StartAnotherSavingSavesThenStartsAndStaysOpen) {
    viewer().txtReport->setPlainText("antigo\nrelatório\n");
    enter(stopped);
    report::start();
    recorder.answerSave("primeiro");
    expectStarted([&] { confirm().Button1->click(); }, shortHeader);
    EXPECT_EQ(bytes("primeiro.txt"), QByteArray("antigo\r\nrelat\xf3rio\r\n"));
    EXPECT_EQ(state(), (State{true, true}));
    EXPECT_TRUE(confirm().isVisible());

    // Pressing again saves the new two-line report and starts yet another.
    const QStringList first = log.lines();
    recorder.answerSave("segundo");
    expectStarted([&] { confirm().Button1->click(); }, shortHeader);
    EXPECT_EQ(bytes("segundo.txt"), toWindows1252(first.join("\r\n") + "\r\n"));
    EXPECT_EQ(recorder.saveInitialNames, QStringList({"CVRelatório", "primeiro"}));
    EXPECT_EQ(recorder.saveFilters, QStringList({"Arquivos texto|*.txt", "Arquivos texto|*.txt"}));
}

// Cancelar, or saving when the save did not happen, starts nothing; only Cancelar closes the window.
TEST_F(Report, ConfirmationWithoutASaveChangesNothing) {
    const struct {
        State from;
        TFlatButton* TfrmConfirmNR::*button;
        Unsaved save;
    } cases[] = {
        {recordingState, &TfrmConfirmNR::Button3, unsaved[0]},
        {stopped, &TfrmConfirmNR::Button1, unsaved[0]},
        {stopped, &TfrmConfirmNR::Button1, unsaved[1]},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.save.name ? c.save.name : "cancelled");
        recorder.errors.clear();
        viewer().txtReport->setPlainText("antigo\n");
        enter(c.from);
        report::start();
        answer(c.save);
        (confirm().*c.button)->click();
        EXPECT_EQ(recorder.errors, c.save.errors);
        EXPECT_EQ(log.lines(), QStringList({"antigo"}));
        EXPECT_EQ(state(), c.from);
        EXPECT_EQ(confirm().isVisible(), c.button == &TfrmConfirmNR::Button1);
        EXPECT_TRUE(files().isEmpty());
    }
}

// ---- saving from the viewer --------------------------------------------------------------------

TEST_F(Report, ViewerSaveAppendsTxtAlwaysAndReplacesTheFile) {
    const struct {
        const char *chosen, *written;
        bool emptyLog; // saves an empty file
    } cases[] = {{"x", "x.txt", false},
                 {"x.txt", "x.txt.txt", false},
                 {"CVRelatório", "CVRelatório.txt", false},
                 {"vazio", "vazio.txt", true}};
    const QByteArray report("Relat\xf3rio do Calvorin 2.1\r\n\ta\xe7\xe3o \x80\r\n\r\n");
    for (const auto& c : cases) {
        viewer().txtReport->setPlainText(c.emptyLog ? "" : "Relatório do Calvorin 2.1\n\tação €\n\n");
        writeBytes(c.written, "old contents that are longer than the report ......................");
        recorder.answerSave(QString::fromUtf8(c.chosen));
        viewer().btnSalvar->click();
        EXPECT_EQ(bytes(QString::fromUtf8(c.written)), c.emptyLog ? QByteArray() : report) << c.chosen;
    }
    EXPECT_TRUE(recorder.errors.isEmpty());
}

TEST_F(Report, ViewerSaveDialogRemembersTheLastName) {
    log.append("a");
    recorder.answerSave("um");
    viewer().btnSalvar->click();
    recorder.answerCancel();
    viewer().btnSalvar->click();
    recorder.answerSave("dois");
    viewer().btnSalvar->click();
    EXPECT_EQ(recorder.saveInitialNames, QStringList({"CVRelatório", "um", "um"}));
    EXPECT_EQ(recorder.saveFilters.first(), "Arquivos texto|*.txt");
}

TEST_F(Report, ViewerSaveThatDidNotHappenKeepsTheFileAndTheLog) {
    writeBytes("CVRelatório.txt", "guardado");
    log.append("novo");
    for (const Unsaved& u : unsaved) {
        SCOPED_TRACE(u.name ? u.name : "cancelled");
        recorder.errors.clear();
        answer(u);
        viewer().btnSalvar->click();
        EXPECT_EQ(recorder.errors, u.errors);
        EXPECT_EQ(bytes("CVRelatório.txt"), "guardado");
        EXPECT_EQ(files(), QStringList({"CVRelatório.txt"}));
        EXPECT_EQ(log.lines(), QStringList({"novo"}));
    }
}

TEST_F(Report, EveryButtonIsFlat) {
    for (QWidget* w : std::initializer_list<QWidget*>{&generator(), &viewer(), &confirm()})
        for (QAbstractButton* b : w->findChildren<QAbstractButton*>())
            EXPECT_TRUE(qobject_cast<TFlatButton*>(b))
                << w->metaObject()->className() << " " << b->text().toStdString();
}

} // namespace
