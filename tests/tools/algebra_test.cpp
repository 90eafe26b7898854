#include "tools/fCombinations.h"
#include "tools/fFatoriais.h"
#include "tools/fJurosCompostos.h"
#include "tools/fMDC.h"
#include "tools/fRegra3.h"
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
    {"TfrmJurosCompostos", {{"txtVinit", "txtJuros", "txtTempo"}, "Button1"}},
    {"TfrmFatoriais", {{"txtFatorial"}, "Button1"}},
    {"TfrmCombinations", {{"txtN", "txtP"}, "btnCalc"}},
    {"TfrmMDC", {{"txtFat1", "txtFat2"}, "FlatButton1"}},
    {"TfrmRegra3", {{"txt1", "txt2", "txt3", "txt4"}, "btnCalc"}},
};

class Algebra : public ToolFixture, public testing::TestWithParam<char> {
protected:
    SeparatorGuard separator{GetParam()};
    void SetUp() override {
        create(
            {new TfrmJurosCompostos, new TfrmFatoriais, new TfrmCombinations, new TfrmRegra3, new TfrmMDC});
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
#define DEVEM "?Os valores devem ser numéricos!"
#define ALGO "?Algo deu errado. Você deixou mais de um espaço em branco ou então preencheu todos os campos."
#define NOT_FLOAT(text) "!'" text "' is not a valid floating point value."

const Case cases[] = {
    {"TfrmJurosCompostos", "1000|10|2", "1210"},
    {"TfrmJurosCompostos", "1|-100|-1", "!Floating point division by zero."},
    {"TfrmJurosCompostos", "1000|10|0,5", DEVEM},
    {"TfrmJurosCompostos", "1000|10|0.5", NOT_FLOAT("0.5"), ','},
    {"TfrmJurosCompostos", "1|-|", NOT_FLOAT("")},
    {"TfrmFatoriais", "5", "120"},
    {"TfrmFatoriais", "0", "1"},
    {"TfrmFatoriais", "-3", "-3"},
    {"TfrmFatoriais", "170", "7,257415615308E306"},
    {"TfrmFatoriais", "4.5", "59,0625", '.'},
    {"TfrmFatoriais", "171", "!Floating point overflow."},
    {"TfrmFatoriais", "1e5", DEVEM},
    {"TfrmCombinations", "5|2", "10"},
    {"TfrmCombinations", "5|5", "1"},
    {"TfrmCombinations", "5|0", "1"},
    {"TfrmCombinations", "0|0", "1"},
    {"TfrmCombinations", "4|6", "-0,0166666666666667"},
    {"TfrmCombinations", "171|1", "!Floating point overflow."},
    {"TfrmCombinations", "5|dois", "?Os valores devem ser reais!"},
    {"TfrmMDC", "12|18", "6"},
    {"TfrmMDC", "-4|6", "2"},
    {"TfrmMDC", "-4|-6", "-2"},
    {"TfrmMDC", "0|-5", "-5"},
    {"TfrmMDC", "-2147483648|-1", "-1"},
    {"TfrmMDC", "0|5", "!Division by zero."},
    {"TfrmMDC", "2147483648|2", "!'2147483648' is not a valid integer value."},
    {"TfrmMDC", "2.5|5", "!'2.5' is not a valid integer value.", '.'},
    {"TfrmMDC", "2.5|5", NOT_FLOAT("2.5"), ','},
    {"TfrmMDC", "abc|5", ""},
    {"TfrmRegra3", "|6|4|3", "8"},
    {"TfrmRegra3", "4||8|10", "5"},
    {"TfrmRegra3", "2|4||10", "5"},
    {"TfrmRegra3", "2|10|3|", "15"},
    {"TfrmRegra3", "|2.5|4|5", "2", '.'},
    {"TfrmRegra3", "|2.5|4|5", ALGO, ','},
    {"TfrmRegra3", "1|2|3|4", ""},
    {"TfrmRegra3", "|||", ALGO},
    {"TfrmRegra3", "|-|3|4", ALGO},
    {"TfrmRegra3", "| 6|3|4", PRECISAM},
    {"TfrmRegra3", "|6|4|0", "!Floating point division by zero."},
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
        {"TfrmJurosCompostos", "1000|10|2",
         "Cálculo de juros compostos|Valor inicial = 1000|Tempo = 2|Juros = 10%|Quantia obtida = 1210"},
        {"TfrmFatoriais", "05", "Cálculo de fatoriais|Fatorial de 05 = 120"},
        {"TfrmCombinations", "5|2",
         "Cálculo de combinações simples|Número de elementos: 5|Agrupamentos de 2|Resposta: 10"},
        {"TfrmMDC", "12|18",
         "Cálculo de Máximo Divisor Comum (MDC)|Calculando o MDC de: 12 e 18|Resposta obtida: 6"},
        {"TfrmRegra3", "|6|4|3", nullptr},
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

INSTANTIATE_TEST_SUITE_P(Separators, Algebra, testing::Values(',', '.'),
                         [](const testing::TestParamInfo<char>& info) {
                             return std::string(info.param == ',' ? "Comma" : "FullStop");
                         });

} // namespace
