#include "tools/fCombinations.h"
#include "tools/fFatoriais.h"
#include "tools/fJurosCompostos.h"
#include "tools/fMDC.h"
#include "tools/fRegra3.h"
#include "tools/fTQPG.h"
#include "tools/fptpg.h"
#include "tools/fstpg.h"
#include "tools_fixture.h"

#include <map>

using namespace calvorin;
using namespace calvorin::testing_tools;

namespace {

// Each window's inputs in the order the table's rows give them, its calculate button and answer.
struct Names {
    std::vector<const char*> inputs;
    const char* calculate;
    const char* answer = "lblResposta";
};
const std::map<std::string, Names> names = {
    {"TfrmTQPG", {{"txtpt", "txtn", "txtq"}, "Button1"}},
    {"Tfrmstpg", {{"txtpt", "txtn", "txtq"}, "Button1", "lblresposta"}},
    {"Tfrmptpg", {{"txtpt", "txtut", "txtn"}, "Button1"}},
};

class Algebra : public ToolFixture, public testing::TestWithParam<char> {
protected:
    SeparatorGuard separator{GetParam()};
    void SetUp() override {
        create({new TfrmTQPG, new Tfrmstpg, new Tfrmptpg});
    }
    void TearDown() override { destroy(); }
    // Types the "|"-separated texts into the window's inputs and presses its calculate button.
    static void calculate(const char* window, const char* texts) {
        const QStringList parts = QString::fromUtf8(texts).split('|');
        const Names& n = names.at(window);
        for (std::size_t i = 0; i < n.inputs.size(); ++i)
            control<QLineEdit>(tool(window), n.inputs[i])->setText(parts.value(int(i)));
        click(tool(window), n.calculate);
    }
};

// The outcome: the answer (decimal comma written as ','), "!" and the error box's text, "?" and the
// window's message, or nothing at all.
struct Case {
    const char* window;
    const char* inputs;
    const char* outcome;
    char only = 0; // the one separator the row holds for
};

#define PRECISAM "?Os valores precisam ser numéricos!"
#define INVALID "!Invalid floating point operation."
#define NOT_FLOAT(text) "!'" text "' is not a valid floating point value."

const Case cases[] = {
    {"TfrmTQPG", "2|4|3", "54"},
    {"TfrmTQPG", "1|0|0", "!Floating point division by zero."},
    {"TfrmTQPG", "1|2|1,5", PRECISAM},
    {"TfrmTQPG", "|-|1", NOT_FLOAT("")},
    {"Tfrmstpg", "1|10|2", "1023"},
    {"Tfrmstpg", "1|3|0,5", PRECISAM},
    {"Tfrmstpg", "5|3|1", INVALID},
    {"Tfrmstpg", "1||-", NOT_FLOAT("")},
    {"Tfrmptpg", "1|8|4", "64"},
    {"Tfrmptpg", "-1|8|2", "8"},
    {"Tfrmptpg", "-1|8|3", INVALID},
};

// Recording is on throughout: a failure must leave the answer and the report as they were.
TEST_P(Algebra, Calculations) {
    setRecording(true);
    for (const Case& c : cases) {
        if (c.only && c.only != GetParam()) continue;
        SCOPED_TRACE(std::string(c.window) + " " + c.inputs);
        recorder.messages.clear();
        recorder.errors.clear();
        const QStringList before = reportLog().lines();
        QWidget* w = tool(c.window);
        const char* answer = names.at(c.window).answer;
        control<QLabel>(w, answer)->setText("anterior");
        calculate(c.window, c.inputs);
        const QString outcome = QString::fromUtf8(c.outcome);
        const bool failed = outcome.isEmpty() || outcome[0] == '!' || outcome[0] == '?';
        EXPECT_EQ(caption(w, answer), failed ? QString("anterior")
                                             : QString(outcome).replace(',', QChar::fromLatin1(GetParam())));
        EXPECT_EQ(recorder.errors, outcome.startsWith('!') ? QStringList{outcome.mid(1)} : QStringList{});
        EXPECT_EQ(recorder.messages, outcome.startsWith('?') ? QStringList{outcome.mid(1)} : QStringList{});
        if (failed) {
            EXPECT_EQ(reportLog().lines(), before);
        }
    }
}

TEST_P(Algebra, RecordsTheInputsAsTyped) {
    struct Recorded {
        const char* window;
        const char* inputs;
        const char* lines; // "|" between lines
    };
    const Recorded recorded[] = {
        {"TfrmTQPG", "2|04|3",
         "Termo qualquer de uma PG|Termo a ser encontrado = 04|Primeiro termo da PG = 2|Razão da PG = 3|"
         "Termo encontrado = 54"},
        {"Tfrmstpg", "1|10|2",
         "Soma dos termos de uma PG|Primeiro termo = 1|Número de termos = 10|Razão = 2|Resposta = 1023"},
        {"Tfrmptpg", "1|8|4",
         "Produto dos termos de uma PG|Primeiro termo da PG: 1|Último termo da PG: 8|"
         "Número de termos da PG: 4|Resposta: 64"},
    };
    QStringList expected;
    for (bool on : {true, false}) {
        setRecording(on);
        for (const Recorded& r : recorded) {
            calculate(r.window, r.inputs);
            if (on && r.lines) expected += QString::fromUtf8(r.lines).split('|');
            EXPECT_EQ(reportLog().lines(), expected) << r.window;
        }
    }
}

TEST_P(Algebra, Button3ShowsTheAnyTermWindow) {
    for (const char* name : {"Tfrmstpg", "Tfrmptpg"}) {
        tool("TfrmTQPG")->hide();
        click(tool(name), "Button3");
        EXPECT_TRUE(tool("TfrmTQPG")->isVisible()) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(Separators, Algebra, testing::Values(',', '.'),
                         [](const testing::TestParamInfo<char>& info) {
                             return std::string(info.param == ',' ? "Comma" : "FullStop");
                         });

// ---- the compound interest, factorial, combinations, GCD and rule of three windows ---------------
// Their formulas are tested apart; here what only the windows can get wrong.

class AlgebraWindow : public ToolFixture, public testing::Test {
protected:
    void SetUp() override { create({juros, fatorial, combinations, mdc, regra3}); }
    void TearDown() override { destroy(); }
    TfrmJurosCompostos* juros = new TfrmJurosCompostos;
    TfrmFatoriais* fatorial = new TfrmFatoriais;
    TfrmCombinations* combinations = new TfrmCombinations;
    TfrmMDC* mdc = new TfrmMDC;
    TfrmRegra3* regra3 = new TfrmRegra3;
};

const char* const devem = "Os valores devem ser numéricos!";
const char* const emptyText = "'' is not a valid floating point value.";
const char* const minusSign = "'-' is not a valid floating point value.";

TEST_F(AlgebraWindow, CompoundInterest) {
    auto typed = [](const char* P, const char* i, const char* t) {
        return Inputs{{"txtVinit", P}, {"txtJuros", i}, {"txtTempo", t}};
    };
    expectRows(juros,
               {
                   {.typed = typed("01000", "10", "2"),
                    .answer = "1210",
                    .report = {"Cálculo de juros compostos", "Valor inicial = 01000", "Tempo = 2", "Juros = 10%",
                               "Quantia obtida = 1210"}},
                   {.typed = typed("1000", "10", "0,5"), .message = devem},
                   {.typed = typed("1000", "10", "0.5"), .error = "'0.5' is not a valid floating point value.",
                    .only = ','},
                   // conversion in the order time, rate, initial value
                   {.typed = typed("-", "-", ""), .error = emptyText},
                   {.typed = typed("", "-", "1"), .error = minusSign},
                   {.typed = typed("1", "-100", "-1"), .error = "Floating point division by zero."},
               });
}

TEST_F(AlgebraWindow, Factorial) {
    expectRows(fatorial, {
                             {.typed = {{"txtFatorial", "05"}},
                              .answer = "120",
                              .report = {"Cálculo de fatoriais", "Fatorial de 05 = 120"}},
                             {.typed = {{"txtFatorial", "20"}},
                              .answer = "2,43290200817664E18",
                              .report = {"Cálculo de fatoriais", "Fatorial de 20 = 2,43290200817664E18"}},
                             {.typed = {{"txtFatorial", "1e5"}}, .message = devem},
                             {.typed = {{"txtFatorial", ""}}, .error = emptyText},
                             {.typed = {{"txtFatorial", "171"}}, .error = "Floating point overflow."},
                         });
}

TEST_F(AlgebraWindow, Combinations) {
    expectRows(combinations,
               {
                   {.typed = {{"txtN", "5"}, {"txtP", "02"}},
                    .answer = "10",
                    .report = {"Cálculo de combinações simples", "Número de elementos: 5", "Agrupamentos de 02",
                               "Resposta: 10"}},
                   {.typed = {{"txtN", "5"}, {"txtP", "dois"}}, .message = "Os valores devem ser reais!"},
                   // conversion in the order n, p
                   {.typed = {{"txtN", ""}, {"txtP", "-"}}, .error = emptyText},
                   {.typed = {{"txtN", "-"}, {"txtP", ""}}, .error = minusSign},
               },
               {.calculate = "btnCalc"});
}

TEST_F(AlgebraWindow, GreatestCommonDivisor) {
    auto typed = [](const char* a, const char* b) { return Inputs{{"txtFat1", a}, {"txtFat2", b}}; };
    expectRows(mdc,
               {
                   {.typed = typed("12", "018"),
                    .answer = "6",
                    .report = {"Cálculo de Máximo Divisor Comum (MDC)", "Calculando o MDC de: 12 e 018",
                               "Resposta obtida: 6"}},
                   // no message at all for a text that is not a number
                   {.typed = typed("abc", "5")},
                   {.typed = typed("5", "1,5")},
                   // conversion in the order first, second
                   {.typed = typed("", "-"), .error = emptyText},
                   {.typed = typed("-", ""), .error = minusSign},
                   {.typed = typed("2.5", "5"), .error = "'2.5' is not a valid integer value.", .only = '.'},
                   {.typed = typed("2.5", "5"), .error = "'2.5' is not a valid floating point value.", .only = ','},
                   {.typed = typed("0", "5"), .error = "Division by zero."},
               },
               {.calculate = "FlatButton1"});
}

TEST_F(AlgebraWindow, RuleOfThreeFindsTheEmptyTermAndRecordsNothing) {
    auto typed = [](const char* x1, const char* x2, const char* x3, const char* x4) {
        return Inputs{{"txt1", x1}, {"txt2", x2}, {"txt3", x3}, {"txt4", x4}};
    };
    const char* const algo =
        "Algo deu errado. Você deixou mais de um espaço em branco ou então preencheu todos os campos.";
    expectRows(regra3,
               {
                   {.typed = typed("", "6", "4", "3"), .answer = "8"},
                   {.typed = typed("-1.5", "", "3", "0.5"), .answer = "-0.25", .only = '.'},
                   {.typed = typed("", "2.5", "4", "5"), .message = algo, .only = ','},
                   {.typed = typed("1", "2", "3", "4")}, // nothing to find: nothing happens
                   {.typed = typed("", "", "", ""), .message = algo},
                   {.typed = typed("", "-", "3", "4"), .message = algo},
                   {.typed = typed("", " 6", "3", "4"), .message = "Os valores precisam ser numéricos!"},
                   {.typed = typed("", "6", "4", "0"), .error = "Floating point division by zero."},
               },
               {.calculate = "btnCalc"});
}

TEST_F(AlgebraWindow, ACalculationThatEndsWellPublishesItsSteps) {
    const struct {
        ToolWindow* window;
        Inputs typed;
        testing_tools::Names names;
        const char* last;
    } rows[] = {
        {juros, {{"txtVinit", "1000"}, {"txtJuros", "10"}, {"txtTempo", "2"}}, {}, "M = 1210"},
        {fatorial, {{"txtFatorial", "5"}}, {}, "5! = 120"},
        {combinations, {{"txtN", "5"}, {"txtP", "2"}}, {.calculate = "btnCalc"}, "C(5, 2) = 10"},
        {mdc, {{"txtFat1", "12"}, {"txtFat2", "18"}}, {.calculate = "FlatButton1"}, "MDC(12, 18) = 6"},
        {regra3, {{"txt1", "3"}, {"txt2", "12"}, {"txt3", "5"}, {"txt4", ""}}, {.calculate = "btnCalc"}, "x = 20"},
    };
    for (const auto& row : rows) {
        calculate(row.window, row.typed, ',', row.names);
        EXPECT_EQ(row.window->steps().value(row.window->steps().size() - 1), row.last);
    }
}

} // namespace
