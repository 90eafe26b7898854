// The command table, run line by line in script mode, in the command window's mode, and typed
// into the command window itself, and the help file's list of it.
#include "commands_fixture.h"

#include "help/fAjuda.h"
#include "platform/help.h"

#include <QRegularExpression>
#include <QStringList>
#include <QTextBrowser>

using namespace commands_test;
using calvorin::korvanta::Command;
using calvorin::korvanta::commands;
using calvorin::korvanta::execute;
using calvorin::korvanta::Printout;

namespace {

enum class Via {
    Script, // the start-up script and the editor's preview
    Typed,  // the dispatcher in the command window's mode, the line as given
    Window, // typed into the command window and executed there (lowered, then an empty line)
};

const QStringList version = {
    "Calvorin versão 2.1.0",
    "Autor: Teodoro Vasconcelos Brandão",
    "Site oficial do Calvorin: http://www.calvorin.example",
};
// The listings are built from the command table; this one is written out to hold their shape:
// the heading, then each command in its place.
const QStringList paListing = {
    "Problemas envolvendo progressões aritméticas",
    "ntpa - Número de termos de uma PA",
    "tqpa - Termo qualquer de uma PA",
    "stpa - Soma dos termos de uma PA",
};
const QStringList pgListing = calvorin::korvanta::lines(Printout::Geometric);
const QStringList toolsListing = calvorin::korvanta::lines(Printout::Tools);
const QStringList separator = {""};
const QStringList emptied = {};

struct Case {
    QString line;
    Via via;
    QStringList effects;           // windows shown, "report", "help", in order
    QStringList visor = intro;     // the command window's lines afterwards
    quint8 splash = 1;             // the main window's splash flag afterwards
    std::optional<int> exitCode{}; // set when the line ended the program
};

const Case cases[] = {
    // version: "versão" everywhere, "ver" splits by mode
    {"versão", Via::Script, {"TfrmSplash"}, intro + version},
    {"versão", Via::Typed, {"TfrmSplash"}, intro + version},
    {"ver", Via::Script, {"TfrmSplash"}},
    {"ver", Via::Typed, {}, intro + version},
    {"Versão", Via::Script, {}},
    {"Versão", Via::Window, {"TfrmSplash"}, intro + version + separator},
    {"VERSÃO", Via::Window, {}, intro + separator},
    {"versÃo", Via::Typed, {}},
    {"VER", Via::Window, {}, intro + version + separator},
    // clearing the output
    {"clr", Via::Script, {}, emptied},
    {"clr", Via::Typed, {}, emptied},
    {"limpar", Via::Script, {}, emptied},
    {"limpar", Via::Typed, {}, emptied},
    {"clear", Via::Script, {}},
    {"clear", Via::Typed, {}, emptied},
    {"clr", Via::Window, {}, separator},
    {"CLEAR", Via::Window, {}, separator},
    // progressions: a topic page in the script, a listing in the command window
    {"pa", Via::Script, {"TfrmPA"}},
    {"pa", Via::Typed, {}, intro + paListing},
    {"pa", Via::Window, {}, intro + paListing + separator},
    {"pg", Via::Script, {"TfrmPG"}},
    {"pg", Via::Typed, {}, intro + pgListing},
    // tools: "tools" does both everywhere, "ferramentas" splits by mode
    {"tools", Via::Script, {"Tfrmtools"}, intro + toolsListing},
    {"tools", Via::Typed, {"Tfrmtools"}, intro + toolsListing},
    {"ferramentas", Via::Script, {"Tfrmtools"}},
    {"ferramentas", Via::Typed, {}, intro + toolsListing},
    // the other windows: the walk through the table below
    // the start-up switch, the report and the help viewer
    {"nosplash", Via::Script, {}, intro, 0},
    {"nosplash", Via::Typed, {}, intro, 0},
    {"relatorio", Via::Script, {"report"}},
    {"relatorio", Via::Typed, {"report"}},
    {"?", Via::Script, {"help"}},
    {"ajuda", Via::Typed, {"help"}},
    {"help", Via::Script, {"help"}},
    {"?", Via::Window, {"help"}, intro + separator},
    {"AJUDA", Via::Window, {"help"}, intro + separator},
    // the end of the program: at once, the command window adds nothing
    {"fim", Via::Script, {}, intro, 1, 1},
    {"end", Via::Typed, {}, intro, 1, 1},
    {"FIM", Via::Window, {}, intro, 1, 1},
    // matched whole and exactly
    {"Calc", Via::Script, {}},
    {"Calc", Via::Window, {"TfrmCalc"}, intro + separator},
    {"CALC", Via::Window, {"TfrmCalc"}, intro + separator},
    {"calc ", Via::Script, {}},
    {"calc ", Via::Window, {}, intro + separator},
    {" calc", Via::Typed, {}},
    {"calc graf", Via::Script, {}},
    {"combinacoes", Via::Typed, {}},
    {"COMBINAÇÕES", Via::Window, {}, intro + separator},
    {"", Via::Script, {}},
    {"", Via::Typed, {}},
    {"", Via::Window, {}, intro + separator},
    {"sair", Via::Script, {}},
    {"exit", Via::Typed, {}},
    {"exit", Via::Window, {}, intro + separator},
    {"ajuda?", Via::Typed, {}},
};

const char* const viaNames[] = {"script", "typed", "window"}; // in the order of Via

} // namespace

TEST_F(CommandsTest, EveryLineDoesWhatItsCommandSays) {
    for (const Case& c : cases) {
        SCOPED_TRACE(QString("line \"%1\" %2").arg(c.line, viaNames[int(c.via)]).toStdString());
        restart();
        const auto code = exitCodeOf([&] {
            if (c.via == Via::Window) {
                comandos().txtcomando->setText(c.line);
                comandos().txtExecClick();
            } else {
                execute(c.line,
                        c.via == Via::Script ? calvorin::korvanta::Script : calvorin::korvanta::Interactive);
            }
        });
        EXPECT_EQ(effects, c.effects);
        EXPECT_EQ(comandos().lines(), c.visor);
        EXPECT_EQ(mainWindow().splash, c.splash);
        EXPECT_EQ(code, c.exitCode);
    }
}

// Each word of the table, in each mode, shows the window and prints the lines its command gives for
// that mode, and nothing else (the commands with an action of their own are the cases above).
TEST_F(CommandsTest, EveryWordDoesWhatItsCommandGives) {
    for (const Command& c : commands())
        for (const QString& word : c.words)
            for (const int mode : {calvorin::korvanta::Script, calvorin::korvanta::Interactive}) {
                const auto& does = c.in(mode);
                if (does.act) continue;
                SCOPED_TRACE(QString("line \"%1\" mode %2").arg(word).arg(mode).toStdString());
                effects.clear();
                comandos().clearOutput();
                execute(word, mode);
                EXPECT_EQ(effects, does.opens ? QStringList{does.opens->className()} : QStringList{});
                EXPECT_EQ(comandos().lines(), calvorin::korvanta::lines(does.prints));
            }
}

// The help file lists every command the table gives a help line, in the table's order: its words
// in one cell, that line in the next.
TEST_F(CommandsTest, HelpListsTheTableWithItsLines) {
    calvorin::helpRequest("cv21.hlp", 2, "comandos");
    const QStringList cells = calvorin::helpViewer()->txtTopico->toPlainText().split(
        QRegularExpression("[\\n\\t]"), Qt::SkipEmptyParts);
    qsizetype last = -1;
    for (const Command& c : commands()) {
        if (!c.help) continue;
        const qsizetype at = cells.indexOf(c.words.join(", "), last + 1);
        ASSERT_GT(at, last) << c.words.join(", ").toStdString();
        EXPECT_EQ(cells.value(at + 1), QString::fromUtf8(c.help));
        last = at;
    }
    calvorin::helpViewer()->hide();
}

TEST_F(CommandsTest, ScriptFileRunsEveryLineInScriptMode) {
    writeFile("autoexec.cv1", "calc\r\nCalc\r\nver\r\nvers\xE3o\r\nnosplash\rgraf\x1A"
                              "sobre\r\n");
    calvorin::korvanta::runFile("autoexec.cv1");
    EXPECT_EQ(effects, QStringList({"TfrmCalc", "TfrmSplash", "TfrmSplash", "TfrmGraph"}));
    EXPECT_EQ(comandos().lines(), intro + version);
    EXPECT_EQ(mainWindow().splash, 0);
}

TEST_F(CommandsTest, ScriptEndsTheProgramAtFim) {
    writeFile("autoexec.cv1", "calc\r\nfim\r\ngraf\r\n");
    EXPECT_EQ(exitCodeOf([] { calvorin::korvanta::runFile("autoexec.cv1"); }), 1);
    EXPECT_EQ(effects, QStringList{"TfrmCalc"});
}
