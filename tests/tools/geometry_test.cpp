#include "tools/fDiagonais.h"
#include "tools/fDistancia.h"
#include "tools/fInclination.h"
#include "tools/fPitagoras.h"
#include "tools/fPontoReta.h"
#include "tools/fSumAng.h"
#include "tools/fTrigonometria.h"
#include "tools_fixture.h"

#include <QComboBox>

using namespace calvorin;
using namespace calvorin::testing_tools;

namespace {

class Geometry : public ToolFixture, public testing::TestWithParam<char> {
protected:
    SeparatorGuard separator{GetParam()};
    void SetUp() override {
        create({new TfrmPitagoras, new TfrmTrigonometria, new TfrmDistancia, new TfrmInclination,
                new TfrmPontoReta, new TfrmSumAng, new TfrmDiagonais});
    }
    void TearDown() override { destroy(); }
    // Numbers are written here with a comma; the locale's separator replaces it.
    QString local(const char* text) const {
        return QString::fromUtf8(text).replace(',', QChar::fromLatin1(GetParam()));
    }
    // Edits get their text, a combo box its text; a radio button is clicked.
    static void set(QWidget* w, const Inputs& inputs) {
        for (auto& [name, text] : inputs) {
            if (auto* combo = w->findChild<QComboBox*>(name))
                combo->setCurrentText(QString::fromUtf8(text));
            else if (QString(name).startsWith("opt"))
                click(w, name);
            else
                control<QLineEdit>(w, name)->setText(QString::fromUtf8(text));
        }
    }
    void pickFormula(const char* side, int item) {
        auto* p = static_cast<TfrmPitagoras*>(tool("TfrmPitagoras"));
        click(p, (std::string("opt") + side).c_str());
        p->cmbFormula->setCurrentIndex(item);
    }
};

// Every relation on the 15-20-25 triangle: a = 25, b = 15, c = 20, h = 12, m = 9, n = 16 (whole
// numbers, as the comma never passes the numeric check).
struct Relation {
    const char* side;
    int item;             // its place in the side's list
    const char* captions; // of lbl1..lbl3
    const char *t1, *t2, *t3;
    const char* answer;
};
const Relation relations[22] = {
    {"a", 0, "bc", "15", "20", "", "25"},
    {"a", 1, "bch", "15", "20", "12", "25"},
    {"a", 2, "bm", "15", "9", "", "25"},
    {"a", 3, "cn", "20", "16", "", "25"},
    {"b", 0, "ac", "25", "20", "", "15"},
    {"b", 1, "ach", "25", "20", "12", "15"},
    {"b", 2, "am", "25", "9", "", "15"},
    {"b", 3, "hm", "12", "9", "", "15"},
    {"c", 0, "ab", "25", "15", "", "20"},
    {"c", 1, "abh", "25", "15", "12", "20"},
    {"c", 2, "an", "25", "16", "", "20"},
    {"c", 3, "hn", "12", "16", "", "20"},
    {"h", 0, "mn", "9", "16", "", "12"},
    {"h", 1, "abc", "25", "15", "20", "12"},
    {"h", 2, "cn", "20", "16", "", "12"},
    {"h", 3, "bm", "15", "9", "-7", "12"},             // txt3 is read, not used
    {"m", 0, "hn", "12", "16", "", "9"},
    {"m", 1, "ab", "25", "15", "", "9"},
    {"m", 2, "bh", "15", "12", "", "9"},
    {"n", 0, "hm", "12", "9", "", "16"},
    {"n", 1, "ac", "25", "20", "", "16"},
    {"n", 2, "ch", "20", "12", "", "16"},
};

TEST_P(Geometry, EveryPythagoreanRelation) {
    auto* p = static_cast<TfrmPitagoras*>(tool("TfrmPitagoras"));
    for (int i = 0; i < 22; ++i) {
        const Relation& r = relations[i];
        SCOPED_TRACE(i + 1);
        pickFormula(r.side, r.item);
        EXPECT_EQ(p->selected(), i + 1);
        EXPECT_EQ(p->lbl1->text() + p->lbl2->text() + p->lbl3->text(), r.captions);
        set(p, {{"txt1", r.t1}, {"txt2", r.t2}, {"txt3", r.t3}});
        click(p, "Button1");
        EXPECT_EQ(p->lblResposta->text(), local(r.answer));
    }
    EXPECT_TRUE(recorder.errors.isEmpty()) << recorder.errors.join("; ").toStdString();
}

TEST_P(Geometry, PythagorasKeepsItsFormulaUntilAnotherIsPicked) {
    auto* p = static_cast<TfrmPitagoras*>(tool("TfrmPitagoras"));
    click(p, "Button1");
    EXPECT_EQ(p->lblResposta->text(), "---"); // no formula yet, and nothing converted
    pickFormula("h", 1);                      // h = (b*c)/a
    click(p, "optm");
    EXPECT_EQ(p->cmbFormula->count(), 3);
    EXPECT_EQ(p->cmbFormula->currentText(), "");
    p->cmbFormula->setCurrentText("m = h²/n "); // not exactly a formula's text
    EXPECT_EQ(p->lbl1->text() + p->lbl2->text() + p->lbl3->text(), "abc");
    set(p, {{"txt1", "5"}, {"txt2", "3"}, {"txt3", "4"}});
    click(p, "Button1");
    EXPECT_EQ(p->lblResposta->text(), local("2,4"));
}

const char* const devem = "Os valores devem ser numéricos!";
const char* const precisam = "Os valores precisam ser numéricos!";
const char* const byZero = "Floating point division by zero.";
const char* const invalid = "Invalid floating point operation.";
const char* const emptyText = "'' is not a valid floating point value.";
const char* const minus = "'-' is not a valid floating point value.";
const char* const dot = "'.' is not a valid floating point value.";

// One calculation: the inputs, then what the user sees: the new answer (with a decimal comma), an
// error box or a message, or "" when nothing happens.
struct Case {
    const char* window;
    Inputs inputs;
    const char* out;
};

const Case anyLocale[] = {
    {"TfrmPitagoras", {{"optb", "1"}, {"cmbFormula", "b² = a² - c²"}, {"txt1", "3"}, {"txt2", "4"}}, invalid},
    {"TfrmPitagoras", {{"opta", "1"}, {"cmbFormula", "a = (b*c)/h"}, {"txt3", ""}}, byZero},
    {"TfrmPitagoras", {{"txt1", "0"}, {"txt2", "0"}, {"txt3", "0"}}, invalid},
    {"TfrmPitagoras", {{"cmbFormula", "a² = b² + c²"}, {"txt1", ""}, {"txt2", "4"}}, emptyText},
    {"TfrmPitagoras", {{"txt1", "3"}, {"txt3", "-"}}, minus},
    {"TfrmPitagoras", {{"txt3", "x"}}, ""},
    {"TfrmTrigonometria", {{"cmbFunction", "Seno"}, {"txtValor", "30"}}, "0,5"},
    {"TfrmTrigonometria", {{"cmbFunction", "Coseno"}, {"txtValor", "60"}}, "0,5"},
    {"TfrmTrigonometria", {{"cmbFunction", "Coseno"}, {"txtValor", "90"}}, "6,12323399573677E-17"},
    {"TfrmTrigonometria", {{"cmbFunction", "Cosecante"}, {"txtValor", "0"}}, byZero},
    {"TfrmTrigonometria", {{"cmbFunction", "Cotangente"}, {"txtValor", "-0"}}, byZero},
    {"TfrmTrigonometria", {{"cmbFunction", "seno"}, {"txtValor", "30"}}, ""},
    {"TfrmTrigonometria", {{"cmbFunction", "Seno"}, {"txtValor", "1,5"}}, precisam},
    {"TfrmTrigonometria", {{"txtValor", ""}}, emptyText},
    {"TfrmTrigonometria", {{"cmbFunction", "Tangente"}, {"txtValor", "60"}}, "1,73205080756888"},
    {"TfrmTrigonometria", {{"optRadianos", "1"}, {"cmbFunction", "Secante"}, {"txtValor", "0"}}, "1"},
    {"TfrmTrigonometria", {{"cmbFunction", "Seno"}, {"txtValor", "10000000000000000000"}}, "0"},
    {"TfrmTrigonometria", {{"cmbFunction", "Secante"}, {"txtValor", "10000000000000000000"}}, byZero},
    {"TfrmDistancia", {{"txtX1", "0"}, {"txtY1", "0"}, {"txtx2", "3"}, {"txty2", "4"}}, "5"},
    {"TfrmDistancia", {{"txtX1", "a"}, {"txtY1", "1.2.3"}}, devem},
    {"TfrmDistancia", {{"txtX1", "1"}, {"txtY1", "-"}, {"txtx2", ""}}, emptyText}, // x2 before y1
    {"TfrmInclination", {{"txtx1", "0"}, {"txty1", "0"}, {"txtx2", "4"}, {"txty2", "-2"}}, "-0,5"},
    {"TfrmInclination", {{"txtx1", "2"}, {"txty1", "1"}, {"txtx2", "2"}, {"txty2", "7"}}, "Divisão por 0!"},
    {"TfrmInclination", {{"txty2", "+7"}}, devem},
    {"TfrmPontoReta", {}, "2,12132034355964"},
    {"TfrmPontoReta",
     {{"txta", "3"}, {"txtb", "4"}, {"txtc", "-10"}, {"txtposix", "0"}, {"txtposiy", "0"}},
     "2"},
    {"TfrmPontoReta", {{"txta", "0"}, {"txtb", "0"}, {"txtc", "1"}}, byZero},
    {"TfrmPontoReta", {{"txta", "x"}}, ""},
    {"TfrmSumAng", {}, "180"},
    {"TfrmSumAng", {{"txtValor", "abc"}}, ""},
    {"TfrmSumAng", {{"txtValor", "-"}}, minus},
    {"TfrmDiagonais", {}, "2"},
    {"TfrmDiagonais", {{"txtValor", "abc"}}, "'abc' is not a valid floating point value."},
};

// Where the separator matters.
const Case commaOnly[] = {
    {"TfrmSumAng", {{"txtValor", "4.5"}}, "'4.5' is not a valid floating point value."},
    {"TfrmSumAng", {{"txtValor", "."}}, dot},
    {"TfrmDiagonais", {{"txtValor", "4,5"}}, "3,375"},
    {"TfrmTrigonometria", {{"cmbFunction", "Seno"}, {"txtValor", "."}}, dot},
};
const Case fullStopOnly[] = {
    {"TfrmSumAng", {{"txtValor", "4.5"}}, "450"},
    {"TfrmSumAng", {{"txtValor", "."}}, "-360"},
    {"TfrmDiagonais", {{"txtValor", "4,5"}}, "'4,5' is not a valid floating point value."},
    {"TfrmTrigonometria",
     {{"optRadianos", "1"}, {"cmbFunction", "Seno"}, {"txtValor", "1.5707963267949"}},
     "1"},
    {"TfrmPitagoras",
     {{"optb", "1"}, {"cmbFormula", "b² = a*m"}, {"txt1", "5"}, {"txt2", "1.8"}, {"txt3", ""}},
     "3"},
};

// The calculate button and the answer label of a window.
std::pair<const char*, const char*> parts(const std::string& window) {
    if (window == "TfrmDistancia") return {"Button1", "lblSol"};
    if (window == "TfrmPontoReta" || window == "TfrmSumAng" || window == "TfrmDiagonais")
        return {"FlatButton1", "lblResposta"};
    return {"Button1", "lblResposta"};
}

TEST_P(Geometry, Calculations) {
    std::vector<Case> cases(std::begin(anyLocale), std::end(anyLocale));
    if (GetParam() == ',')
        cases.insert(cases.end(), std::begin(commaOnly), std::end(commaOnly));
    else
        cases.insert(cases.end(), std::begin(fullStopOnly), std::end(fullStopOnly));
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.window) + " " + (c.inputs.empty() ? "" : c.inputs.back().second));
        recorder.messages.clear();
        recorder.errors.clear();
        QWidget* w = tool(c.window);
        const auto [calculate, answer] = parts(c.window);
        control<QLabel>(w, answer)->setText("");
        set(w, c.inputs);
        click(w, calculate);
        // At most one of them: a failure leaves the answer as it was.
        QString shown = caption(w, answer).replace(QChar::fromLatin1(GetParam()), ',');
        EXPECT_EQ((recorder.errors + recorder.messages + QStringList{shown}).join(""),
                  QString::fromUtf8(c.out));
    }
}

struct Recorded {
    const char* window;
    Inputs inputs;
    QStringList lines;
};

TEST_P(Geometry, RecordsTheLinesOfEachCalculationOnlyWhileRecording) {
    const Recorded cases[] = {
        {"TfrmPitagoras",
         {{"txt1", "3"}, {"txt2", "4"}},
         {"Teorema de pitágoras", "Éxpressão utilizada: ", "Resultado: ---"}},
        {"TfrmPitagoras",
         {{"optc", "1"}, {"cmbFormula", "c² = a² - b²"}, {"txt1", "5"}, {"txt2", "3"}},
         {"Teorema de pitágoras", "Calculando lado c", "Éxpressão utilizada: c² = a² - b²", "Resultado: 4"}},
        {"TfrmDistancia",
         {{"txtX1", "0"}, {"txtY1", "-0"}, {"txtx2", "3"}, {"txty2", "4"}},
         {"Distância entre dois pontos", "Ponto 1: 0,-0", "Ponto 2: 3,4", "Distância = 5"}},
        {"TfrmInclination",
         {{"txtx1", "2"}, {"txty1", "1"}, {"txtx2", "2"}, {"txty2", "7"}},
         {"Inclinação de uma reta", "Ponto 1: 2,1", "Ponto 2: 2,7", "Inclinação = Divisão por 0!"}},
        {"TfrmPontoReta",
         {},
         {"Calculando a distância entre um ponto e uma reta", "Resposta obtida: 2,12132034355964"}},
        {"TfrmTrigonometria", {{"cmbFunction", "Seno"}, {"txtValor", "30"}}, {}},
        {"TfrmSumAng", {}, {}},
        {"TfrmDiagonais", {}, {}},
        {"TfrmPitagoras", {{"txt2", "6"}}, {}}, // failures record nothing
        {"TfrmDistancia", {{"txtX1", "x"}}, {}},
        {"TfrmPontoReta", {{"txta", "0"}, {"txtb", "0"}}, {}},
    };
    QStringList expected;
    for (bool on : {true, false}) {
        setRecording(on);
        for (const Recorded& c : cases) {
            set(tool(c.window), c.inputs);
            click(tool(c.window), parts(c.window).first);
            if (on) expected += c.lines;
            // answers written here with a decimal comma
            EXPECT_EQ(reportLog().lines().join('|').replace('.', ','), expected.join('|')) << c.window;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Separators, Geometry, testing::Values(',', '.'),
                         [](const testing::TestParamInfo<char>& info) {
                             return std::string(info.param == ',' ? "Comma" : "FullStop");
                         });

} // namespace
