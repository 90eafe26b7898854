#include "formulas/Calorias.h"
#include "formulas/Combinations.h"
#include "formulas/ConvertTemperatura.h"
#include "formulas/ConvertVelocidade.h"
#include "formulas/Determinante.h"
#include "formulas/Diagonais.h"
#include "formulas/Distancia.h"
#include "formulas/Equa2.h"
#include "formulas/Fatoriais.h"
#include "formulas/Inclination.h"
#include "formulas/JurosCompostos.h"
#include "formulas/MDC.h"
#include "formulas/NTPA.h"
#include "formulas/OperMatrizes.h"
#include "formulas/Pitagoras.h"
#include "formulas/PontoReta.h"
#include "formulas/Regra3.h"
#include "formulas/STPA.h"
#include "formulas/SumAng.h"
#include "formulas/TQPA.h"
#include "formulas/TQPG.h"
#include "formulas/Trigonometria.h"
#include "formulas/formulas_fixture.h"
#include "formulas/ptpg.h"
#include "formulas/stpg.h"
#include "support/tools_fixture.h"
#include "ui/toolwindow.h"
#include "windows.h"

#include <functional>

// Every tool window hands its formula the inputs as typed, in the formula's order, and shows, records
// and publishes what the formula gives. The formulas' own tables check what they give.

using namespace calvorin;
using namespace calvorin::formulas;
using namespace calvorin::testing_tools;
using calvorin::testing_formulas::in;

namespace {

// Every window, as the program creates them.
class Wiring : public ToolFixture, public testing::Test {
protected:
    void SetUp() override {
        create({});
        createAllWindows();
    }
    void TearDown() override { destroy(); }
};

// What a window is to show, record and publish: the caption of its answer label (none where it
// shows its answer elsewhere), its report lines and its worked solution.
struct Outcome {
    std::optional<std::string> answer;
    Report report;
    Steps steps;
};
template <class Result> Outcome outcome(const Result& r) {
    Outcome o{std::nullopt, {}, r.steps};
    if constexpr (requires { show(r.answer); }) o.answer = show(r.answer);
    if constexpr (requires { r.report; }) o.report = r.report;
    return o;
}

// A row's inputs as the window converts them: x[i] is the i-th typed.
struct Converted {
    const Inputs& typed;
    Typed<> operator[](std::size_t i) const { return in(typed.at(i).second); }
    template <class Grid> Grid grid(std::size_t first) const {
        Grid g;
        for (std::size_t k = 0; k < 9; ++k)
            g[k / 3][k % 3] = (*this)[first + k];
        return g;
    }
};

QStringList texts(const std::vector<std::string>& lines) {
    QStringList list;
    for (const std::string& line : lines)
        list << QString::fromStdString(line);
    return list;
}

// clang-format off
TEST_F(Wiring, EachWindowHandsItsFormulaTheInputsInItsOrder) {
    using enum ConvertTemperatura::Scale;
    const struct {
        const char* window;
        Inputs typed; // in the order of the formula's inputs
        std::function<Outcome(Converted)> formula;
        Names names = {};
    } rows[] = {
        {"TfrmTQPA", {{"txtn", "4"}, {"txtpt", "3.5"}, {"txtq", "2"}}, [](auto x) { return outcome(TQPA::calculate(x[0], x[1], x[2])); }},
        {"TfrmNTPA", {{"txtPT", "1"}, {"txtUT", "10"}, {"txtQ", "1.5"}}, [](auto x) { return outcome(NTPA::calculate(x[0], x[1], x[2])); }},
        {"TfrmSTPA", {{"txtpt", "1.5"}, {"txtut", "9"}, {"txtn", "5"}}, [](auto x) { return outcome(STPA::calculate(x[0], x[1], x[2])); }},
        {"TfrmTQPG", {{"txtpt", "2"}, {"txtn", "4"}, {"txtq", "1.5"}}, [](auto x) { return outcome(TQPG::calculate(x[0], x[1], x[2])); }},
        {"Tfrmstpg", {{"txtpt", "3"}, {"txtn", "4"}, {"txtq", "1.5"}}, [](auto x) { return outcome(stpg::calculate(x[0], x[1], x[2])); }, {.answer = "lblresposta"}},
        {"Tfrmptpg", {{"txtpt", "2.5"}, {"txtut", "8"}, {"txtn", "3"}}, [](auto x) { return outcome(ptpg::calculate(x[0], x[1], x[2])); }},
        {"TfrmJurosCompostos", {{"txtTempo", "2"}, {"txtJuros", "10.5"}, {"txtVinit", "1000"}}, [](auto x) { return outcome(JurosCompostos::calculate(x[0], x[1], x[2])); }},
        {"TfrmFatoriais", {{"txtFatorial", "4.5"}}, [](auto x) { return outcome(Fatoriais::calculate(x[0])); }},
        {"TfrmCombinations", {{"txtN", "5.5"}, {"txtP", "2"}}, [](auto x) { return outcome(Combinations::calculate(x[0], x[1])); }, {.calculate = "btnCalc"}},
        {"TfrmMDC", {{"txtFat1", "12"}, {"txtFat2", "18"}}, [](auto x) { return outcome(MDC::calculate(x[0], x[1])); }, {.calculate = "FlatButton1"}},
        {"TfrmRegra3", {{"txt1", "2.5"}, {"txt2", "12"}, {"txt3", ""}, {"txt4", "5"}}, [](auto x) { return outcome(Regra3::calculate(2, {x[0], x[1], x[2], x[3]})); }, {.calculate = "btnCalc"}},
        {"TfrmCalorias", {{"txtCalor", "0.5"}, {"txtMassa", "100"}, {"txtInit", "20"}, {"txtFinal", "80"}}, [](auto x) { return outcome(Calorias::calculate(x[0], x[1], x[2], x[3])); }, {.calculate = "btnCalc"}},
        {"TfrmConvertVelocidade", {{"opt2", "1"}, {"txtValor", "2.5"}}, [](auto x) { return outcome(ConvertVelocidade::calculate(ConvertVelocidade::Direction::msToKmh, x[1])); }, {.calculate = "btnCalc"}},
        // from the reference scale to the two others, in this order
        {"TfrmConvertTemperatura", {{"f", "1"}, {"txtValor", "50.5"}}, [](auto x) {
             const Typed<Real> f{strToFloat(x[1].text), x[1].text};
             const auto c = ConvertTemperatura::calculate(fahrenheit, celsius, f), k = ConvertTemperatura::calculate(fahrenheit, kelvin, f);
             Steps steps = c.steps;
             steps.insert(steps.end(), k.steps.begin(), k.steps.end());
             return Outcome{show(c.answer) + " °C", {}, steps}; }, {.answer = "lblc"}},
        {"TfrmDeterminante", {{"t11", "2.5"}, {"t12", "7"}, {"t13", "1"}, {"t21", "9"}, {"t22", "3"}, {"t23", "5"}, {"t31", "4"}, {"t32", "8"}, {"t33", "6"}}, [](Converted x) { return outcome(Determinante::calculate(x.grid<Determinante::Matrix>(0))); }},
        {"TfrmOperMatrizes", {{"optMult", "1"}, {"t111", "1.5"}, {"t121", "2"}, {"t131", "3"}, {"t211", "4"}, {"t221", "5"}, {"t231", "6"}, {"t311", "7"}, {"t321", "8"}, {"t331", "9"},
                              {"t112", "10"}, {"t122", "11"}, {"t132", "12"}, {"t212", "13"}, {"t222", "14"}, {"t232", "15"}, {"t312", "16"}, {"t322", "17"}, {"t332", "18"}}, [](Converted x) {
             using OperMatrizes::Operands;
             return outcome(OperMatrizes::calculate(OperMatrizes::Operation::multiply, x.grid<Operands>(1), x.grid<Operands>(10))); },
         {.answer = "Label1"}},
        {"TfrmDistancia", {{"txtX1", "1.5"}, {"txtx2", "4"}, {"txtY1", "2"}, {"txty2", "6"}}, [](auto x) { return outcome(Distancia::calculate(x[0], x[1], x[2], x[3])); }, {.answer = "lblSol"}},
        {"TfrmInclination", {{"txtx1", "1.5"}, {"txtx2", "3"}, {"txty1", "2"}, {"txty2", "8"}}, [](auto x) {
             const auto r = Inclination::calculate(x[0], x[1], x[2], x[3]);
             return Outcome{show(*r.answer), r.report, r.steps}; }},
        {"TfrmPontoReta", {{"txta", "0.5"}, {"txtb", "4"}, {"txtc", "-10"}, {"txtposix", "1"}, {"txtposiy", "2"}}, [](auto x) { return outcome(PontoReta::calculate(x[0], x[1], x[2], x[3], x[4])); }, {.calculate = "FlatButton1"}},
        {"TfrmPitagoras", {{"optb", "1"}, {"cmbFormula", "b = (a*h)/c"}, {"txt1", "10"}, {"txt2", "5"}, {"txt3", "2.5"}}, [](auto x) { return outcome(Pitagoras::calculate(6, x[2], x[3], x[4], "b", "b = (a*h)/c")); }},
        {"TfrmSumAng", {{"txtValor", "5.5"}}, [](auto x) { return outcome(SumAng::calculate(x[0])); }, {.calculate = "FlatButton1"}},
        {"TfrmDiagonais", {{"txtValor", "6.5"}}, [](auto x) { return outcome(Diagonais::calculate(x[0])); }, {.calculate = "FlatButton1"}},
        {"TfrmTrigonometria", {{"optRadianos", "1"}, {"cmbFunction", "Tangente"}, {"txtValor", "0.5"}}, [](auto x) { return outcome(Trigonometria::calculate(5, x[2], false)); }},
        {"TfrmEqua2", {{"txtA", "0.5"}, {"txtB", "-3"}, {"txtC", "2"}}, [](auto x) {
             auto r = Equa2::discriminant(x[0], x[1], x[2]);
             Equa2::roots(r), Equa2::vertex(r);
             return Outcome{show(r.root1), r.report, r.steps}; }, {.answer = "lblSol1"}},
    };
    // clang-format on
    SeparatorGuard separator('.'); // each window has a decimal input
    for (const auto& row : rows) {
        SCOPED_TRACE(row.window);
        auto* w = static_cast<ToolWindow*>(tool(row.window));
        const Shown shown = calculate(w, row.typed, '.', row.names);
        const Outcome expected = row.formula(Converted{row.typed});
        EXPECT_EQ(shown.answer,
                  expected.answer ? std::optional(QString::fromStdString(*expected.answer)) : std::nullopt);
        EXPECT_EQ(shown.report, texts(expected.report));
        EXPECT_EQ(w->steps(), texts(expected.steps));
        EXPECT_EQ(shown.errors + shown.messages, QStringList{});
    }
}

} // namespace
