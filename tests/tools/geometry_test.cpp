#include "support/tools_fixture.h"
#include "tools/fDiagonais.h"
#include "tools/fDistancia.h"
#include "tools/fInclination.h"
#include "tools/fPitagoras.h"
#include "tools/fPontoReta.h"
#include "tools/fSumAng.h"
#include "tools/fTrigonometria.h"

// The formulas have their own tables; here what the windows can get wrong: the numeric check, the
// conversion in their order, the locale, the answer shown and the report lines.

using namespace calvorin;
using namespace calvorin::testing_tools;

namespace {

const char* const devem = "Os valores devem ser numéricos!";
const char* const precisam = "Os valores precisam ser numéricos!";
const char* const byZero = "Floating point division by zero.";
const char* const emptyText = "'' is not a valid floating point value.";
const char* const minus = "'-' is not a valid floating point value.";
const char* const dot = "'.' is not a valid floating point value.";
const Names plain{"FlatButton1", "lblResposta"};

class Geometry : public ToolFixture, public testing::Test {
protected:
    TfrmPitagoras* pitagoras = new TfrmPitagoras;
    void SetUp() override {
        create({pitagoras, new TfrmTrigonometria, new TfrmDistancia, new TfrmInclination, new TfrmPontoReta,
                new TfrmSumAng, new TfrmDiagonais});
    }
    void TearDown() override { destroy(); }
};

// clang-format off
TEST_F(Geometry, PythagorasListsEachSidesRelationsWithTheLengthsTheyNeed) {
    // The lengths each relation reads from txt1..txt3, by side, in the list's order.
    const std::pair<const char*, std::vector<const char*>> sides[] = {
        {"opta", {"bc", "bch", "bm", "cn"}}, {"optb", {"ac", "ach", "am", "hm"}},
        {"optc", {"ab", "abh", "an", "hn"}}, {"opth", {"mn", "abc", "cn", "bm"}},
        {"optm", {"hn", "ab", "bh"}},        {"optn", {"hm", "ac", "ch"}},
    };
    int number = 0;
    for (const auto& [side, captions] : sides) {
        click(pitagoras, side);
        ASSERT_EQ(pitagoras->cmbFormula->count(), int(captions.size())) << side;
        for (int item = 0; item < int(captions.size()); ++item) {
            pitagoras->cmbFormula->setCurrentIndex(item);
            EXPECT_EQ(pitagoras->selected(), ++number) << side << " " << item;
            EXPECT_EQ(pitagoras->lbl1->text() + pitagoras->lbl2->text() + pitagoras->lbl3->text(),
                      captions[item]);
        }
    }
}

TEST_F(Geometry, PythagorasKeepsItsFormulaUntilAnotherIsPicked) {
    auto* p = pitagoras;
    setRecording(true);
    type(p, {{"txt1", "3"}, {"txt2", "4"}});
    click(p, "Button1");
    EXPECT_EQ(p->lblResposta->text(), "---"); // no formula yet: nothing shown or explained, yet recorded
    EXPECT_TRUE(p->steps().isEmpty());
    EXPECT_EQ(reportLog().lines(),
              QStringList({"Teorema de pitágoras", "Éxpressão utilizada: ", "Resultado: ---"}));
    click(p, "opth");
    p->cmbFormula->setCurrentIndex(1); // h = (b*c)/a
    click(p, "optm");
    EXPECT_EQ(p->cmbFormula->count(), 3);
    EXPECT_EQ(p->cmbFormula->currentText(), "");
    p->cmbFormula->setCurrentText("m = h²/n "); // not exactly a formula's text
    EXPECT_EQ(p->lbl1->text() + p->lbl2->text() + p->lbl3->text(), "abc");
    expectRows(p, {{.typed = {{"txt1", "5"}, {"txt2", "3"}, {"txt3", "4"}}, .answer = "2,4",
                    .report = lines("Teorema de pitágoras|Calculando lado m|Éxpressão utilizada: m = h²/n |Resultado: 2,4")}});
}

TEST_F(Geometry, PythagorasCalculations) {
    expectRows(pitagoras, {
        {.typed = {{"opta", "1"}, {"cmbFormula", "a² = b² + c²"}, {"txt1", "3"}, {"txt2", "4"}, {"txt3", ""}}, .answer = "5"},
        {.typed = {{"txt3", "x"}}},                                // checked though unused
        {.typed = {{"txt1", "3"}, {"txt2", "1,8"}, {"txt3", ""}}, .only = '.'}, // the comma fails the check here
        {.typed = {{"txt1", "3"}, {"txt2", "1,8"}, {"txt3", ""}}, .answer = "3,49857113690718", .only = ','},
        {.typed = {{"txt1", ""}, {"txt2", "4"}}, .error = emptyText},
        {.typed = {{"txt1", "3"}, {"txt3", "-"}}, .error = minus}, // read when filled
        {.typed = {{"cmbFormula", "a = (b*c)/h"}, {"txt2", "4"}, {"txt3", ""}}, .error = byZero}, // h empty is 0
        {.typed = {{"txt2", "1.8"}}, .error = "'1.8' is not a valid floating point value.", .only = ','},
    });
}

TEST_F(Geometry, TrigonometryPicksTheItemNamed) {
    expectRows(tool("TfrmTrigonometria"), {
        {.typed = {{"cmbFunction", "Seno"}, {"txtValor", "30"}}, .answer = "0,5"},
        {.typed = {{"cmbFunction", "seno"}}},
        {.typed = {{"txtValor", "1,5"}}, .message = precisam, .only = '.'},
        {.typed = {{"optGraus", "1"}, {"cmbFunction", "Seno"}, {"txtValor", "-30,0"}}, .answer = "-0,5", .only = ','},
        {.typed = {{"txtValor", ""}}, .error = emptyText},
        {.typed = {{"optRadianos", "1"}, {"cmbFunction", "Coseno"}, {"txtValor", "."}}, .answer = "1", .only = '.'},
        {.typed = {{"txtValor", "."}}, .error = dot, .only = ','},
        {.typed = {{"optGraus", "1"}, {"cmbFunction", "Coseno"}, {"txtValor", "60"}}, .answer = "0,5"},
    });
}

TEST_F(Geometry, DistanceBetweenTwoPoints) {
    const Fields typed{"txtX1", "txtY1", "txtx2", "txty2"};
    expectRows(tool("TfrmDistancia"), {
        {.typed = typed("a", "1.2.3"), .message = devem},
        {.typed = typed("1", "-", ""), .error = emptyText}, // x2 before y1
    }, {"Button1", "lblSol"});
}

TEST_F(Geometry, SlopeOfALine) {
    const Fields typed{"txtx1", "txty1", "txtx2", "txty2"};
    expectRows(tool("TfrmInclination"), {
        {.typed = typed("2", "1", "2", "7"), .answer = "Divisão por 0!"},
        {.typed = {{"txty2", "+7"}}, .message = devem},
        {.typed = typed("1", "", "-", "1"), .error = minus},
    });
}

TEST_F(Geometry, DistanceFromAPointToALine) {
    const Fields typed{"txta", "txtb", "txtc", "txtposix", "txtposiy"};
    expectRows(tool("TfrmPontoReta"), {
        {.typed = typed("x")},
        {.typed = typed("3", "4", "", "-"), .error = emptyText},
        {.typed = {{"txtc", "-10"}, {"txtposix", "0"}, {"txtposiy", "-"}}, .error = minus},
    }, plain);
}

TEST_F(Geometry, PolygonsTakeAnyNumber) {
    const Fields typed{"txtValor"};
    expectRows(tool("TfrmSumAng"), {
        {.typed = typed("3"), .answer = "180"},
        {.typed = typed("abc")},
        {.typed = typed("-"), .error = minus},
        {.typed = typed("4.5"), .error = "'4.5' is not a valid floating point value.", .only = ','},
        {.typed = typed("."), .answer = "-360", .only = '.'},
        {.typed = typed("."), .error = dot, .only = ','},
    }, plain);
    expectRows(tool("TfrmDiagonais"), {
        {.typed = typed("4"), .answer = "2"},
        {.typed = typed("abc"), .error = "'abc' is not a valid floating point value."},
        {.typed = typed("4,5"), .answer = "3,375", .only = ','},
        {.typed = typed("4,5"), .error = "'4,5' is not a valid floating point value.", .only = '.'},
    }, plain);
}
// clang-format on

} // namespace
