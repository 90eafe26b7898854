#include "support/tools_fixture.h"
#include "tools/fCombinations.h"
#include "tools/fFatoriais.h"
#include "tools/fJurosCompostos.h"
#include "tools/fMDC.h"
#include "tools/fRegra3.h"

using namespace calvorin;
using namespace calvorin::testing_tools;

namespace {

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

// clang-format off
TEST_F(AlgebraWindow, CompoundInterest) {
    const Fields typed{"txtVinit", "txtJuros", "txtTempo"};
    expectRows(juros, {
        {.typed = typed("1000", "10", "0,5"), .message = devem, .only = '.'},
        {.typed = typed("1000", "10", "0,5"), .answer = "1048,80884817015", .only = ','},
        {.typed = typed("1000", "10", "0.5"), .error = "'0.5' is not a valid floating point value.", .only = ','},
        // conversion in the order time, rate, initial value
        {.typed = typed("-", "-", ""), .error = emptyText},
        {.typed = typed("", "-", "1"), .error = minusSign},
        {.typed = typed("1", "-100", "-1"), .error = "Floating point division by zero."},
    });
}

TEST_F(AlgebraWindow, Factorial) {
    const Fields typed{"txtFatorial"};
    expectRows(fatorial, {
        {.typed = typed("1e5"), .message = devem},
        {.typed = typed(""), .error = emptyText},
        {.typed = typed("171"), .error = "Floating point overflow."},
    });
}

TEST_F(AlgebraWindow, Combinations) {
    const Fields typed{"txtN", "txtP"};
    expectRows(combinations, {
        {.typed = typed("5", "dois"), .message = "Os valores devem ser reais!"},
        // conversion in the order n, p
        {.typed = typed("", "-"), .error = emptyText},
        {.typed = typed("-", ""), .error = minusSign},
    }, {.calculate = "btnCalc"});
}

TEST_F(AlgebraWindow, GreatestCommonDivisor) {
    const Fields typed{"txtFat1", "txtFat2"};
    expectRows(mdc, {
        // no message at all for a text that is not a number
        {.typed = typed("abc", "5")},
        {.typed = typed("5", "1,5"), .only = '.'},
        {.typed = typed("5", "1,5"), .error = "'1,5' is not a valid integer value.", .only = ','},
        // conversion in the order first, second
        {.typed = typed("", "-"), .error = emptyText},
        {.typed = typed("-", ""), .error = minusSign},
        {.typed = typed("2.5", "5"), .error = "'2.5' is not a valid integer value.", .only = '.'},
        {.typed = typed("2.5", "5"), .error = "'2.5' is not a valid floating point value.", .only = ','},
        {.typed = typed("0", "5"), .error = "Division by zero."},
    }, {.calculate = "FlatButton1"});
}

TEST_F(AlgebraWindow, RuleOfThreeFindsTheEmptyTerm) {
    const Fields typed{"txt1", "txt2", "txt3", "txt4"};
    const char* const algo = "Algo deu errado. Você deixou mais de um espaço em branco ou então preencheu todos os campos.";
    expectRows(regra3, {
        {.typed = typed("", "6", "4", "3"), .answer = "8"},
        {.typed = typed("", "2.5", "4", "5"), .message = algo, .only = ','},
        {.typed = typed("1", "2", "3", "4")}, // nothing to find: nothing happens
        {.typed = typed("", "", "", ""), .message = algo},
        {.typed = typed("", "-", "3", "4"), .message = algo},
        {.typed = typed("", " 6", "3", "4"), .message = "Os valores precisam ser numéricos!"},
        {.typed = typed("", "6", "4", "0"), .error = "Floating point division by zero."},
    }, {.calculate = "btnCalc"});
}

// clang-format on

} // namespace
