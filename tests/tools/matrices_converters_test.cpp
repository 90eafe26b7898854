#include "platform/clipboard.h"
#include "tools/fCalorias.h"
#include "tools/fConvertTemperatura.h"
#include "tools/fConvertVelocidade.h"
#include "tools/fDeterminante.h"
#include "tools/fOperMatrizes.h"
#include "tools_fixture.h"

#include <QRegularExpression>

#include <map>

using namespace calvorin;
using namespace calvorin::testing_tools;

namespace {

// The edits t<row><column><suffix> of grids, row by row.
QStringList grid(QStringList suffixes) {
    QStringList names;
    for (const QString& suffix : suffixes)
        for (int n = 0; n < 9; ++n)
            names << QString("t%1%2%3").arg(n / 3 + 1).arg(n % 3 + 1).arg(suffix);
    return names;
}

struct Window {
    const char* calculate;
    QStringList inputs, outputs;
};
const std::map<std::string, Window> windows = {
    {"TfrmOperMatrizes", {"Button1", grid({"1", "2"}), grid({"3"})}},
    {"TfrmDeterminante", {"Button1", grid({""}), {"lblResposta"}}},
    {"TfrmConvertTemperatura", {"Button1", {"txtValor"}, {"lblc", "lblf", "lblk"}}},
    {"TfrmConvertVelocidade", {"btnCalc", {"txtValor"}, {"lblResposta"}}},
    {"TfrmCalorias", {"btnCalc", {"txtCalor", "txtMassa", "txtInit", "txtFinal"}, {"lblResposta"}}},
};

// Inputs are the window's edits in order, split at blanks, "/" and ";"; "_" is an empty text and
// "big" a 1 with 200 zeros. Outputs are split at "|" when there is one (else like the inputs);
// "=" or no outputs at all: unchanged. Report lines are split at "|"; no lines: not checked.
// Everywhere "·" is the locale's decimal separator; "," and "." are themselves.
struct Case {
    const char* window;
    const char* choice; // the radio button clicked first
    const char* inputs;
    const char* outputs;
    const char* lines = nullptr;
    const char* box = nullptr; // the message box, or the error box after "!"
    char only = 0;             // the one separator the case holds for
};

const char* const necessarily = "Os valores necessáriamente precisam ser numéricos.";
const char* const precisam = "Os valores precisam ser numéricos.";
const char* const calorie =
    "Um erro! Você provávelmente colocou um valor não numérico em um dos campos. Outra "
    "causa poderia ter sido você ter deixado um dos campos em branco. Tente novamente.";

// clang-format off
const Case cases[] = {
    {"TfrmOperMatrizes", "optAdd", "1 2 3/4 5 6/7 8 9; 9 8 7/6 5 4/3 2 1", "10 10 10/10 10 10/10 10 10"},
    {"TfrmOperMatrizes", "optMinus", "1 2 3/4 5 6/7 8 9; 9 8 7/6 5 4/3 2 1", "-8 -6 -4/-2 0 2/4 6 8"},
    {"TfrmOperMatrizes", "optMult", "1 2 3/4 5 6/7 8 9; 9 8 7/6 5 4/3 2 1", "30 24 18/84 69 54/138 114 90",
     "Multiplicação de matrizes|Matriz 1|1,2,3|4,5,6|7,8,9|Matriz 2|9,8,7|6,5,4|3,2,1|"
     "Resultado:|30,24,18|84,69,54|138,114,90"},
    {"TfrmOperMatrizes", "optAdd", "1 2 3/4 x 6/7 8 9; _ 0 0/0 0 0/0 0 0", nullptr, "", necessarily},
    {"TfrmOperMatrizes", "optAdd", "1 2 3/4 5 6/7 8 -; _ 0 0/0 0 0/0 0 0", nullptr, "",
     "!'-' is not a valid floating point value."},
    {"TfrmOperMatrizes", "optAdd", "1 2 3/4 5 6/7 8 9; 1 2 3/4 2.5 6/7 8 9", nullptr, nullptr,
     "!'2.5' is not a valid floating point value.", ','},
    {"TfrmOperMatrizes", "optMult", "big 1 1/1 1 1/1 1 1; big 1 1/1 1 1/1 1 1", nullptr, "",
     "!Floating point overflow."},

    {"TfrmDeterminante", nullptr, "2 0 0/0 3 0/0 0 4", "24",
     "Cálculo do determinante de uma matrix 3x3|Matriz:|2 0 0|0 3 0|0 0 4|Determinante = 24"},
    {"TfrmDeterminante", nullptr, "1 2 3/0 1 4/5 6 0", "1"},
    {"TfrmDeterminante", nullptr, "0·5 0 0/0 1 0/0 0 -1", "-0·5"},
    {"TfrmDeterminante", nullptr, "1 2 3/4 _ abc/7 8 9", nullptr, "",
     "!'' is not a valid floating point value."},
    {"TfrmDeterminante", nullptr, "1 2 3/4 1,5 6/7 8 9", nullptr, nullptr,
     "!'1,5' is not a valid floating point value.", '.'},
    {"TfrmDeterminante", nullptr, "1E200 0 0/0 1E200 0/0 0 1", nullptr, "", "!Floating point overflow."},

    {"TfrmConvertTemperatura", nullptr, "100", nullptr, ""}, // no unit chosen yet
    {"TfrmConvertTemperatura", "c", "100", "100 °C|212 °F|373·15 K", ""},
    {"TfrmConvertTemperatura", "k", "0", "-273·15 °C|-459·67 °F|0 K"},
    {"TfrmConvertTemperatura", "k", "273·15", "0 °C|32 °F|273·15 K"},
    {"TfrmConvertTemperatura", "c", "-273·15", "-273·15 °C|-459·67 °F|0 K"},
    {"TfrmConvertTemperatura", "f", "-459·67", "-273·15 °C|-459·67 °F|0 K"},
    {"TfrmConvertTemperatura", "k", "abc", "=|=|abc K", "", precisam},
    {"TfrmConvertTemperatura", "c", "2.5", "2.5 °C|=|=", nullptr, precisam, ','},

    {"TfrmConvertVelocidade", "opt1", "100", "27·7777777777778",
     "Transformando km/h para m/seg|100 Km/h =27·7777777777778 m/seg"},
    {"TfrmConvertVelocidade", "opt2", "100", "360", "Transformando m/seg para Km/h|100 m/seg = 360 Km/h"},
    {"TfrmConvertVelocidade", "opt2", "2,5", nullptr, ""},
    {"TfrmConvertVelocidade", "opt1", "-", nullptr, "", "!'-' is not a valid floating point value."},

    {"TfrmCalorias", nullptr, "1 100 20 80", "6000",
     "Calculando número de calorias gastas|Calor específico: 1|Massa: 100|Temperatura inicial: 20|"
     "Temperatura final: 80|Resposta: 6000"},
    {"TfrmCalorias", nullptr, "0·5 10 30 10", "-100"},
    {"TfrmCalorias", nullptr, "1 _ x 1", nullptr, "", calorie},
    {"TfrmCalorias", nullptr, "1E400 1 0 1", nullptr, "", "!Floating point overflow."},
};
// clang-format on

class MatricesConverters : public ToolFixture, public testing::TestWithParam<char> {
protected:
    SeparatorGuard separator{GetParam()};
    void SetUp() override {
        create({new TfrmCalorias, new TfrmConvertTemperatura, new TfrmOperMatrizes, new TfrmDeterminante,
                new TfrmConvertVelocidade});
    }
    void TearDown() override { destroy(); }
    QStringList split(const char* text, const char* at) const {
        QStringList parts = QString::fromUtf8(text).split(QRegularExpression(at), Qt::SkipEmptyParts);
        for (QString& part : parts) {
            if (part == "_") part.clear();
            if (part == "big") part = "1" + QString(200, '0');
            part.replace(QChar(0xB7), QChar::fromLatin1(GetParam()));
        }
        return parts;
    }
    // Labels and edits alike.
    static QWidget* at(QWidget* w, const QString& name) { return control<QWidget>(w, name.toLatin1()); }
};

TEST_P(MatricesConverters, Calculations) {
    for (const Case& c : cases) {
        if (c.only && c.only != GetParam()) continue;
        for (bool recording : {false, true}) {
            if (recording && !c.lines) continue;
            SCOPED_TRACE(std::string(c.window) + " " + c.inputs + (recording ? " recording" : ""));
            QWidget* w = tool(c.window);
            const Window& shape = windows.at(c.window);
            const QStringList in = split(c.inputs, "[ /;]");
            const QStringList out =
                c.outputs ? split(c.outputs, strchr(c.outputs, '|') ? "\\|" : "[ /]") : QStringList{};
            for (int i = 0; i < shape.inputs.size(); ++i)
                at(w, shape.inputs[i])->setProperty("text", in.value(i));
            for (const QString& name : shape.outputs)
                at(w, name)->setProperty("text", "anterior");
            if (c.choice) click(w, c.choice);
            setRecording(recording);
            recorder.messages.clear();
            recorder.errors.clear();
            const QStringList before = reportLog().lines();
            click(w, shape.calculate);
            for (int i = 0; i < shape.outputs.size(); ++i)
                EXPECT_EQ(at(w, shape.outputs[i])->property("text").toString(),
                          out.value(i, "=") == "=" ? "anterior" : out[i])
                    << i;
            const QStringList boxes =
                recorder.messages + recorder.errors.replaceInStrings(QRegularExpression("^"), "!");
            EXPECT_EQ(boxes, c.box ? QStringList{QString::fromUtf8(c.box)} : QStringList{});
            EXPECT_EQ(reportLog().lines(), before + (recording ? split(c.lines, "\\|") : QStringList{}));
        }
    }
}

// The copy buttons take the held texts: empty at first, the text as typed for the reference unit.
TEST_P(MatricesConverters, TemperatureCopiesTheHeldTexts) {
    QWidget* w = tool("TfrmConvertTemperatura");
    click(w, "FlatButton3");
    EXPECT_EQ(clipboardText(), ""); // nothing held yet
    type(w, {{"txtValor", "0100"}});
    click(w, "k");
    click(w, "Button1");
    const QStringList held = split("-173·15|-279·67|0100", "\\|");
    for (int i = 0; i < 3; ++i) {
        click(w, QString("FlatButton%1").arg(i + 1).toLatin1());
        EXPECT_EQ(clipboardText(), held[i]) << i;
    }
}

TEST_P(MatricesConverters, CaloriesShowTheTemperatureConverterAsItWasLeft) {
    QWidget* converter = tool("TfrmConvertTemperatura");
    type(converter, {{"txtValor", "12"}});
    converter->hide();
    click(tool("TfrmCalorias"), "btnConvert");
    EXPECT_TRUE(converter->isVisible());
    EXPECT_EQ(control<QLineEdit>(converter, "txtValor")->text(), "12");
}

INSTANTIATE_TEST_SUITE_P(Separators, MatricesConverters, testing::Values(',', '.'),
                         [](const testing::TestParamInfo<char>& info) {
                             return std::string(info.param == ',' ? "Comma" : "FullStop");
                         });

} // namespace
