#include "platform/clipboard.h"
#include "support/tools_fixture.h"
#include "tools/fCalorias.h"
#include "tools/fConvertTemperatura.h"
#include "tools/fConvertVelocidade.h"
#include "tools/fDeterminante.h"
#include "tools/fOperMatrizes.h"

#include <algorithm>
#include <deque>
#include <sstream>

using namespace calvorin;
using namespace calvorin::testing_tools;

namespace {

// The formulas are tested apart; here what only the windows can get wrong: the numeric check or
// its absence, the conversion order, what each label shows and the report lines.

// The edits t<row><column><suffix> of a grid typed row by row ("/" between rows, "_" an empty text).
Inputs grid(const char* suffix, std::string rows, Inputs inputs = {}) {
    static std::deque<std::string> held; // the runner keeps pointers
    std::replace(rows.begin(), rows.end(), '/', ' ');
    std::istringstream words(rows);
    for (int n = 0; words >> held.emplace_back(); ++n) {
        const char* text = held.back() == "_" ? "" : held.back().c_str();
        held.push_back("t" + std::to_string(n / 3 + 1) + std::to_string(n % 3 + 1) + suffix);
        inputs.push_back({held.back().c_str(), text});
    }
    return inputs;
}
Inputs operands(const char* choice, const char* a, const char* b) {
    return grid("2", b, grid("1", a, {{choice, "1"}}));
}

class MatricesConverters : public ToolFixture, public testing::Test {
protected:
    void SetUp() override {
        create({new TfrmCalorias, new TfrmConvertTemperatura, new TfrmOperMatrizes, new TfrmDeterminante,
                new TfrmConvertVelocidade});
    }
    void TearDown() override { destroy(); }
};

const char* const necessarily = "Os valores necessáriamente precisam ser numéricos.";
const char* const calorie =
    "Um erro! Você provávelmente colocou um valor não numérico em um dos campos. Outra "
    "causa poderia ter sido você ter deixado um dos campos em branco. Tente novamente.";
const char* const precisam = "Os valores precisam ser numéricos.";

// clang-format off
TEST_F(MatricesConverters, OperMatrizes) {
    QWidget* w = tool("TfrmOperMatrizes");
    const Names names{"Button1", "Label1"}; // the answer is the nine result edits, read by the report
    expectRows(w, {
        // the numeric check over the 18 operands, before any conversion
        {.typed = operands("optAdd", "1 2 3/4 5 6/7 8 9", "1 2 3/4 2,5 6/7 8 9"), .message = necessarily, .only = '.'},
        {.typed = operands("optAdd", "1 2 3/4 5 6/7 8 9", "1 2 3/4 2,5, 6/7 8 9"), .message = necessarily},
        {.typed = operands("optAdd", "1 2 3/4 x 6/7 8 9", "_ 0 0/0 0 0/0 0 0"), .message = necessarily},
        // conversion: the first matrix before the second
        {.typed = operands("optAdd", "1 2 3/4 5 6/7 8 -", "_ 0 0/0 0 0/0 0 0"),
         .error = "'-' is not a valid floating point value."},
        {.typed = operands("optAdd", "1 2 3/4 5 6/7 8 9", "1 2 3/4 2.5 6/7 8 9"),
         .error = "'2.5' is not a valid floating point value.", .only = ','},
    }, names);
    // Each element in its edit.
    calculate(w, operands("optMult", "1 2 3/4 5 6/7 8 9", "9 8 7/6 5 4/3 2 1"), ',', names);
    const char* const product[] = {"30", "24", "18", "84", "69", "54", "138", "114", "90"};
    for (int k = 0; k < 9; ++k)
        EXPECT_EQ(static_cast<TfrmOperMatrizes*>(w)->t(k / 3 + 1, k % 3 + 1, 3)->text(), product[k]) << k;
    // An overflow in the last element shows none of the others.
    const std::string big = "1" + std::string(200, '0') + " 1 1/1 1 1/1 1 1";
    const Shown shown = calculate(w, grid("3", "anterior 0 0/0 0 0/0 0 0", operands("optMult", big.c_str(), big.c_str())),
                                  ',', names);
    EXPECT_EQ(shown.errors, QStringList{"Floating point overflow."});
    EXPECT_EQ(control<QLineEdit>(w, "t113")->text(), "anterior");
    // A result too long for its edit shows its sign and first digits, not its end.
    calculate(w, operands("optAdd", "-123456789012345 0 0/0 0 0/0 0 0", "0 0 0/0 0 0/0 0 0"), '.', names);
    EXPECT_EQ(control<QLineEdit>(w, "t113")->text(), "-123456789012345");
    EXPECT_EQ(control<QLineEdit>(w, "t113")->cursorPosition(), 0);
}

TEST_F(MatricesConverters, Determinante) {
    QWidget* w = tool("TfrmDeterminante");
    expectRows(w, {
        {.typed = grid("", "0,5 0 0/0 1 0/0 0 -1"), .answer = "-0,5", .only = ','},
        // no numeric check: the first text that does not convert, in row order
        {.typed = grid("", "1 2 3/4 _ abc/7 8 9"), .error = "'' is not a valid floating point value."},
        {.typed = grid("", "1 2 3/4 1,5 6/7 8 9"), .error = "'1,5' is not a valid floating point value.", .only = '.'},
        {.typed = grid("", "1E200 0 0/0 1E200 0/0 0 1"), .error = "Floating point overflow."},
        {.typed = grid("", "1E-100 0 0/0 -1,23456789012345E-100 0/0 0 1E-100"), .answer = "-1,23456789012345E-300", .only = ','},
    });
    // The longest answer is seen whole.
    w->show();
    const auto* answer = control<QLabel>(w, "lblResposta");
    EXPECT_LE(answer->fontMetrics().horizontalAdvance(answer->text()), answer->contentsRect().width());
}

TEST_F(MatricesConverters, ConvertVelocidade) {
    expectRows(tool("TfrmConvertVelocidade"), {
        // the numeric check refuses a comma silently under the full stop; a lone minus passes it and fails conversion
        {.typed = {{"opt2", "1"}, {"txtValor", "2,5"}}, .only = '.'},
        {.typed = {{"opt2", "1"}, {"txtValor", "2,5"}}, .answer = "9", .only = ','},
        {.typed = {{"opt1", "1"}, {"txtValor", "-"}}, .error = "'-' is not a valid floating point value."},
    }, {"btnCalc"});
}

TEST_F(MatricesConverters, Calorias) {
    auto typed = [](const char* c, const char* m, const char* ti, const char* tf) {
        return Inputs{{"txtCalor", c}, {"txtMassa", m}, {"txtInit", ti}, {"txtFinal", tf}};
    };
    expectRows(tool("TfrmCalorias"), {
        // no numeric check: the system separator is taken, a conversion error is the window's own
        {.typed = typed("0,5", "10", "30", "10"), .answer = "-100", .only = ','},
        {.typed = typed("1", "", "x", "1"), .message = calorie},
        {.typed = typed("2.5", "1", "0", "1"), .message = calorie, .only = ','},
        {.typed = typed("1E400", "1", "0", "1"), .error = "Floating point overflow."},
    }, {"btnCalc"});
}

// The three labels and the message box: the reference shows the text as typed, the others stay
// when it does not convert.
TEST_F(MatricesConverters, ConvertTemperatura) {
    const Fields typed{"txtValor", "c", "f", "k"}; // then the unit chosen
    const auto shows = [](const char* f, const char* k) { return Inputs{{"lblf", f}, {"lblk", k}}; };
    expectRows(tool("TfrmConvertTemperatura"), {
        {.typed = typed("100"), .only = ',', .labels = shows(nullptr, nullptr)}, // no unit chosen yet: nothing
        {.typed = typed("100", "1"), .answer = "100 °C", .labels = shows("212 °F", "373,15 K")},
        {.typed = {{"txtValor", "-459,67"}, {"f", "1"}}, .answer = "-273,15 °C", .labels = shows("-459,67 °F", "0 K")},
        {.typed = {{"txtValor", "0273,15"}, {"k", "1"}}, .answer = "0 °C", .labels = shows("32 °F", "0273,15 K")}, // the reference as typed
        {.typed = {{"txtValor", "abc"}, {"k", "1"}}, .message = precisam, .labels = shows(nullptr, "abc K")},
        {.typed = typed("2.5", "1"), .answer = "2.5 °C", .message = precisam, .only = ',', .labels = shows(nullptr, nullptr)},
    }, {"Button1", "lblc"});
}
// clang-format on

// The copy buttons take the held texts: empty at first, the text as typed for the reference unit.
TEST_F(MatricesConverters, TemperatureCopiesTheHeldTexts) {
    QWidget* w = tool("TfrmConvertTemperatura");
    click(w, "FlatButton3");
    EXPECT_EQ(clipboardText(), ""); // nothing held yet
    calculate(w, {{"k", "1"}, {"txtValor", "0100"}}, ',', {"Button1", "lblk"});
    const char* const held[] = {"-173,15", "-279,67", "0100"};
    for (int i = 0; i < 3; ++i) {
        click(w, ("FlatButton" + std::to_string(i + 1)).c_str());
        EXPECT_EQ(clipboardText(), held[i]) << i;
    }
}

TEST_F(MatricesConverters, CaloriesShowTheTemperatureConverterAsItWasLeft) {
    QWidget* converter = tool("TfrmConvertTemperatura");
    type(converter, {{"txtValor", "12"}});
    converter->hide();
    click(tool("TfrmCalorias"), "btnConvert");
    EXPECT_TRUE(converter->isVisible());
    EXPECT_EQ(control<QLineEdit>(converter, "txtValor")->text(), "12");
}

} // namespace
