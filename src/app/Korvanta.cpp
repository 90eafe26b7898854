#include "app/Korvanta.h"

#include "app/allwindows.h"
#include "app/maker.h"
#include "platform/help.h"
#include "platform/process.h"
#include "platform/textfile.h"
#include "report/report.h"
#include "ui/registry.h"

#include <QStringList>

#include <vector>

namespace calvorin::korvanta {

namespace {

std::function<void(const QString&)> g_observer;

void observe(const QString& effect) {
    if (g_observer) g_observer(effect);
}

// When a command word counts: in every mode, or only in one of them.
enum class When { Always, InScript, Typed };

struct Word {
    QString text;
    When when = When::Always;

    bool matches(const QString& line, int mode) const {
        if (line != text) return false;
        switch (when) {
        case When::Always:
            return true;
        case When::InScript:
            return mode == Script;
        case When::Typed:
            return mode == Interactive;
        }
        return false;
    }
};

using Action = std::function<void()>;

struct Row {
    std::vector<Word> words; // the row runs when any of them matches
    Action action;
};

constexpr When script = When::InScript;
constexpr When typed = When::Typed;

template <class Window> Action show() {
    return [] {
        observe(QString::fromLatin1(Window::staticMetaObject.className()));
        calvorin::show<Window>();
    };
}

Action print(const QStringList& lines) {
    return [lines] {
        auto& visor = window<TfrmComandos>();
        for (const QString& line : lines)
            visor.appendLine(line);
    };
}

const QStringList versionLines = {
    "Calvorin versão 2.1.0",
    "Autor: " + maker::author,
    "Site oficial do Calvorin: " + maker::homePage,
};

const QStringList progressionListing = {
    "Problemas envolvendo progressões aritméticas",
    "ntpa - Número de termos de uma PA",
    "tqpa - Termo qualquer de uma PA",
    "stpa - Soma dos termos de uma PA",
};

const QStringList geometricListing = {
    "Problemas envolvendo progressões geométricas",
    "stpg - Soma dos termos de uma PG",
    "tqpg - Termo qualquer de uma PG",
    "ptpg - Produto dos termos de uma PG",
};

const QStringList toolsListing = {
    "Ferramentas matemáticas do Calvorin",
    "calc - Calculadora",
    "graf - Gerador de gráficos do Calvorin",
    "celfar - Conversor de graus Celsius/Fahrenheit",
    "regra3 - Regra de 3",
};

void clearVisor() {
    window<TfrmComandos>().clearOutput();
}
void endProgram() {
    terminateProcess(1);
}
void noSplash() {
    window<TfrmMain>().splash = 0;
}
void startReport() {
    observe("report");
    report::start();
}
void launchHelp() {
    observe("help");
    shellExecute("winhelp.exe", "cv21.hlp"); // a failure to start it is not reported
}

// Every row is tested, in order; a line that matches several rows does all of them.
const std::vector<Row>& commandTable() {
    static const std::vector<Row> table = {
        {{{"versão"}, {"ver", script}}, show<TfrmSplash>()},
        {{{"versão"}, {"ver", typed}}, print(versionLines)},
        {{{"clr"}, {"limpar"}, {"clear", typed}}, clearVisor},
        {{{"pa", script}}, show<TfrmPA>()},
        {{{"pa", typed}}, print(progressionListing)},
        {{{"pg", typed}}, print(geometricListing)},
        {{{"ntpa"}}, show<TfrmNTPA>()},
        {{{"stpa"}}, show<TfrmSTPA>()},
        {{{"tqpa"}}, show<TfrmTQPA>()},
        {{{"pg", script}}, show<TfrmPG>()},
        {{{"stpg"}}, show<Tfrmstpg>()},
        {{{"tqpg"}}, show<TfrmTQPG>()},
        {{{"ptpg"}}, show<Tfrmptpg>()},
        {{{"equa2"}}, show<TfrmEqua2>()},
        {{{"tools"}, {"ferramentas", script}}, show<Tfrmtools>()},
        {{{"tools"}, {"ferramentas", typed}}, print(toolsListing)},
        {{{"regra3"}}, show<TfrmRegra3>()},
        {{{"graf"}}, show<TfrmGraph>()},
        {{{"celfar"}}, show<TfrmConvertTemperatura>()},
        {{{"calc"}}, show<TfrmCalc>()},
        {{{"fim"}, {"end"}}, endProgram},
        {{{"autor"}}, show<TfrmAutor>()},
        {{{"calorias"}}, show<TfrmCalorias>()},
        {{{"combinações"}}, show<TfrmCombinations>()},
        {{{"determinante"}}, show<TfrmDeterminante>()},
        {{{"dist"}}, show<TfrmDistancia>()},
        {{{"juros"}}, show<TfrmJurosCompostos>()},
        {{{"fatorial"}}, show<TfrmFatoriais>()},
        {{{"pitagoras"}}, show<TfrmPitagoras>()},
        {{{"sobre"}}, show<TfrmSplash>()},
        {{{"trig"}, {"trigonometria"}}, show<TfrmTrigonometria>()},
        {{{"opermatrix"}}, show<TfrmOperMatrizes>()},
        {{{"inclin"}}, show<TfrmInclination>()},
        {{{"mdc"}}, show<TfrmMDC>()},
        {{{"site"}}, show<TfrmAutor>()},
        {{{"sumang"}}, show<TfrmSumAng>()},
        {{{"geometria"}}, show<Tfrmgeometria>()},
        {{{"diagonais"}}, show<TfrmDiagonais>()},
        {{{"nosplash"}}, noSplash},
        {{{"relatorio"}}, startReport},
        {{{"?"}, {"ajuda"}, {"help"}}, launchHelp},
        {{{"fisica"}, {"quimica"}}, show<TfrmFisica>()},
        {{{"convertvelocidade"}}, show<TfrmConvertVelocidade>()},
    };
    return table;
}

} // namespace

void execute(const QString& line, int mode) {
    for (const Row& row : commandTable())
        for (const Word& word : row.words)
            if (word.matches(line, mode)) {
                row.action();
                break;
            }
}

void runFile(const QString& path) {
    for (const QString& line : readScriptFile(path))
        execute(line, Script);
}

void setEffectObserver(std::function<void(const QString&)> observer) {
    g_observer = std::move(observer);
}

} // namespace calvorin::korvanta
