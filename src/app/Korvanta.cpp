#include "app/Korvanta.h"

#include "app/allwindows.h"
#include "app/maker.h"
#include "help/helptopics.h"
#include "platform/help.h"
#include "platform/process.h"
#include "platform/textfile.h"
#include "report/report.h"
#include "ui/registry.h"

#include <algorithm>

namespace calvorin::korvanta {

namespace {

std::function<void(const QString&)> g_observer;

void observe(const QString& effect) {
    if (g_observer) g_observer(effect);
}

void clearVisor() {
    window<TfrmComandos>().clearOutput();
}
// kept as the program has always written it: "fim" and "end" leave with exit code 1
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

// Shows the window of that class, then prints what is asked for.
template <class Window> Does opens(Printout alsoPrints = Printout::None) {
    return {&Window::staticMetaObject, &calvorin::open<Window>, alsoPrints};
}
Does prints(Printout printout) {
    return {.prints = printout};
}
Does runs(void (*act)()) {
    return {.act = act};
}

constexpr std::nullopt_t same = std::nullopt;
constexpr Printout Version = Printout::Version;
constexpr Printout Progressions = Printout::Progressions;
constexpr Printout Geometric = Printout::Geometric;
constexpr Printout Tools = Printout::Tools;

// kept as the program has always written it: version 2.1.0 while the title says 2.1
const QStringList versionLines = {
    "Calvorin versão 2.1.0",
    "Autor: " + maker::author,
    "Site oficial do Calvorin: " + maker::homePage,
};

QString header(Printout listing) {
    switch (listing) {
    case Printout::Progressions:
        return "Problemas envolvendo progressões aritméticas";
    case Printout::Geometric:
        return "Problemas envolvendo progressões geométricas";
    case Printout::Tools:
        return "Ferramentas matemáticas do Calvorin";
    default:
        return {};
    }
}

} // namespace

const std::vector<Command>& commands() {
    // clang-format off
    // kept as the program has always written it: every row that matches a line runs, in table order; "versão"
    // and "combinações" keep their accents while "relatorio", "pitagoras" and "fisica" have none; "ver",
    // "ferramentas", "pa", "pg" and "clear" act by mode while "versão" and "tools" do both; the tools listing
    // names "Celsius/Fahrenheit" only and lists calc, graf, celfar, regra3 in that order
    static const std::vector<Command> table = {
        // words            in a script                  typed in the command window   listing line
        //     help line
        {{"versão"},        opens<TfrmSplash>(Version),  same,                    {},
             "Mostra a janela de créditos e escreve a versão do Calvorin no interpretador de comandos."},
        {{"ver"},           opens<TfrmSplash>(),         prints(Version),         {},
             "No script de inicialização, mostra a janela de créditos; no interpretador de comandos, "
             "escreve a versão do Calvorin."},
        {{"clr", "limpar"}, runs(clearVisor),            same,                    {},
             "Limpa a tela do interpretador de comandos."},
        {{"clear"},         {},                          runs(clearVisor),        {},
             "Limpa a tela do interpretador de comandos (só no interpretador; no script não faz nada)."},
        {{"pa"},            opens<TfrmPA>(),             prints(Progressions),    {},
             "No script, mostra a página sobre progressões aritméticas; no interpretador, lista os comandos "
             "de progressões aritméticas."},
        {{"pg"},            opens<TfrmPG>(),             prints(Geometric),       {},
             "No script, mostra a página sobre progressões geométricas; no interpretador, lista os comandos "
             "de progressões geométricas."},
        {{"ntpa"},          opens<TfrmNTPA>(),           same,                    {Progressions, 1, "Número de termos de uma PA"},
             "Número de termos de uma PA."},
        {{"stpa"},          opens<TfrmSTPA>(),           same,                    {Progressions, 3, "Soma dos termos de uma PA"},
             "Soma dos termos de uma PA."},
        {{"tqpa"},          opens<TfrmTQPA>(),           same,                    {Progressions, 2, "Termo qualquer de uma PA"},
             "Termo qualquer de uma PA."},
        {{"stpg"},          opens<Tfrmstpg>(),           same,                    {Geometric, 1, "Soma dos termos de uma PG"},
             "Soma dos termos de uma PG."},
        {{"tqpg"},          opens<TfrmTQPG>(),           same,                    {Geometric, 2, "Termo qualquer de uma PG"},
             "Termo qualquer de uma PG."},
        {{"ptpg"},          opens<Tfrmptpg>(),           same,                    {Geometric, 3, "Produto dos termos de uma PG"},
             "Produto dos termos de uma PG."},
        {{"equa2"},         opens<TfrmEqua2>(),          same,                    {},
             "Equações de segundo grau."},
        {{"tools"},         opens<Tfrmtools>(Tools),     same,                    {},
             "Mostra a página das ferramentas matemáticas e lista as ferramentas no interpretador."},
        {{"ferramentas"},   opens<Tfrmtools>(),          prints(Tools),           {},
             "No script, mostra a página das ferramentas matemáticas; no interpretador, lista as ferramentas."},
        {{"regra3"},        opens<TfrmRegra3>(),         same,                    {Tools, 4, "Regra de 3"},
             "Regra de 3."},
        {{"graf"},          opens<TfrmGraph>(),          same,                    {Tools, 2, "Gerador de gráficos do Calvorin"},
             "Gerador de gráficos."},
        {{"celfar"},        opens<TfrmConvertTemperatura>(), same,                {Tools, 3, "Conversor de graus Celsius/Fahrenheit"},
             "Conversor de temperaturas (Celsius/Kelvin/Fahrenheit)."},
        {{"calc"},          opens<TfrmCalc>(),           same,                    {Tools, 1, "Calculadora"},
             "Calculadora."},
        {{"fim", "end"},    runs(endProgram),            same,                    {},
             "Fecha o Calvorin na hora, sem perguntar nada e sem salvar o relatório."},
        {{"autor"},         opens<TfrmAutor>(),          same,                    {},
             nullptr},
        {{"calorias"},      opens<TfrmCalorias>(),       same,                    {},
             "Cálculo de calorias gastas por um corpo."},
        {{"combinações"},   opens<TfrmCombinations>(),   same,                    {},
             "Combinações simples."},
        {{"determinante"},  opens<TfrmDeterminante>(),   same,                    {},
             "Determinante de uma matriz."},
        {{"dist"},          opens<TfrmDistancia>(),      same,                    {},
             "Distância entre 2 pontos."},
        {{"juros"},         opens<TfrmJurosCompostos>(), same,                    {},
             "Juros compostos."},
        {{"fatorial"},      opens<TfrmFatoriais>(),      same,                    {},
             "Números fatoriais."},
        {{"pitagoras"},     opens<TfrmPitagoras>(),      same,                    {},
             "Teorema de Pitágoras."},
        {{"sobre"},         opens<TfrmSplash>(),         same,                    {},
             "Mostra a janela de créditos."},
        {{"trig", "trigonometria"}, opens<TfrmTrigonometria>(), same,             {},
             "Funções trigonométricas."},
        {{"opermatrix"},    opens<TfrmOperMatrizes>(),   same,                    {},
             "Operações com matrizes."},
        {{"inclin"},        opens<TfrmInclination>(),    same,                    {},
             "Inclinação de uma reta."},
        {{"mdc"},           opens<TfrmMDC>(),            same,                    {},
             "Máximo Divisor Comum (MDC)."},
        {{"site"},          opens<TfrmAutor>(),          same,                    {},
             nullptr},
        {{"sumang"},        opens<TfrmSumAng>(),         same,                    {},
             "Soma dos ângulos internos de um polígono."},
        {{"geometria"},     opens<Tfrmgeometria>(),      same,                    {},
             "Mostra a página de geometria."},
        {{"diagonais"},     opens<TfrmDiagonais>(),      same,                    {},
             "Número de diagonais de um polígono."},
        {{"nosplash"},      runs(noSplash),              same,                    {},
             "Usado no script de inicialização: o Calvorin começa sem mostrar a janela de créditos."},
        {{"relatorio"},     runs(startReport),           same,                    {},
             "Começa um novo relatório. Se já houver um relatório, pergunta antes o que fazer com ele."},
        {{"?", "ajuda", "help"}, runs(launchHelp),       same,                    {},
             "Abre esta ajuda."},
        {{"fisica", "quimica"}, opens<TfrmFisica>(),     same,                    {},
             "Mostra a página de Física / Química."},
        {{"convertvelocidade"}, opens<TfrmConvertVelocidade>(), same,             {},
             "Conversor de velocidades (Km/h / Metro/seg)."},
    };
    // clang-format on
    return table;
}

QStringList lines(Printout printout) {
    if (printout == Printout::Version) return versionLines;
    if (printout == Printout::None) return {};
    std::vector<const Command*> listed;
    for (const Command& c : commands())
        if (c.listed.in == printout) listed.push_back(&c);
    std::ranges::sort(listed, {}, [](const Command* c) { return c->listed.at; });
    QStringList result{header(printout)};
    for (const Command* c : listed)
        result << c->words.front() + " - " + QString::fromUtf8(c->listed.line);
    return result;
}

void execute(const QString& line, int mode) {
    for (const Command& c : commands()) {
        if (!c.words.contains(line)) continue;
        const Does& does = c.in(mode);
        if (does.show) {
            observe(QString::fromLatin1(does.opens->className()));
            does.show();
        }
        if (does.prints != Printout::None) {
            auto& visor = window<TfrmComandos>();
            for (const QString& printed : lines(does.prints))
                visor.appendLine(printed);
        }
        if (does.act) does.act();
    }
}

void runFile(const QString& path) {
    for (const QString& line : readScriptFile(path))
        execute(line, Script);
}

void listInHelp() {
    std::vector<CommandHelp> list;
    for (const Command& c : commands())
        if (c.help) list.push_back({c.words, QString::fromUtf8(c.help)});
    setCommandHelp(std::move(list));
}

void setEffectObserver(std::function<void(const QString&)> observer) {
    g_observer = std::move(observer);
}

} // namespace calvorin::korvanta
