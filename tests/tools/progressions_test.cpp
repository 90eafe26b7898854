#include "platform/clipboard.h"
#include "support/tools_fixture.h"
#include "tools/fNTPA.h"
#include "tools/fSTPA.h"
#include "tools/fTQPA.h"
#include "tools/fTQPG.h"
#include "tools/fptpg.h"
#include "tools/fstpg.h"

using namespace calvorin;
using namespace calvorin::testing_tools;

namespace {

const char* const precisam = "Os valores precisam ser numéricos!";

// The progression windows: their formulas are tested apart; here what only a window can get wrong.
class Progressions : public ToolFixture, public testing::Test {
protected:
    void SetUp() override {
        create({new TfrmTQPA, new TfrmNTPA, new TfrmSTPA, new TfrmTQPG, new Tfrmstpg, new Tfrmptpg});
    }
    void TearDown() override { destroy(); }
};

// clang-format off
TEST_F(Progressions, ValidateAndConvertInTheirOrder) {
    const std::string huge(400, '9');
    const Fields ntpa{"txtPT", "txtUT", "txtQ"}, stpa{"txtpt", "txtut", "txtn"}, tqpg{"txtpt", "txtn", "txtq"};
    const Fields& stpg = tqpg;
    const Fields& ptpg = stpa;
    expectRows(tool("TfrmNTPA"), {
        // the numeric check, once, whatever the number of bad inputs, before any conversion
        {.typed = ntpa("abc", "x", "1e5"), .message = precisam},
        {.typed = ntpa("1", "2", "+3"), .message = precisam},
        {.typed = ntpa("1", "", "-"), .error = "'' is not a valid floating point value."},
        {.typed = ntpa("1", "2", "0"), .error = "Floating point division by zero."},
    });
    expectRows(tool("TfrmSTPA"), {
        {.typed = stpa("1", "5-", "2"), .message = precisam},
        {.typed = stpa("2", "3", "-"), .error = "'-' is not a valid floating point value."},
        // inputs are doubles: a number beyond their range overflows when it is stored
        {.typed = stpa(huge.c_str(), "1", "1"), .error = "Floating point overflow."},
    });
    expectRows(tool("TfrmTQPG"), {
        {.typed = tqpg("1", "2", "1,5"), .message = precisam, .only = '.'},
        {.typed = tqpg("1", "2", "1,5,0"), .message = precisam},
        {.typed = tqpg("", "-", "1"), .error = "'' is not a valid floating point value."},
        {.typed = tqpg("1", "0", "0"), .error = "Floating point division by zero."},
        {.typed = tqpg("3", "3", "0.5"), .error = "'0.5' is not a valid floating point value.", .only = ','},
    });
    expectRows(tool("Tfrmstpg"), {
        {.typed = stpg("1", "3", "0,5"), .message = precisam, .only = '.'},
        {.typed = stpg("1", "3", "0,5"), .answer = "1,75", .only = ','},
        {.typed = stpg("1", "", "-"), .error = "'' is not a valid floating point value."},
        {.typed = stpg("5", "3", "1"), .error = "Invalid floating point operation."},
    }, {.answer = "lblresposta"});
    expectRows(tool("Tfrmptpg"), {
        {.typed = ptpg("1", "x", "2"), .message = precisam},
        {.typed = ptpg("-", "1", ""), .error = "'-' is not a valid floating point value."},
        {.typed = ptpg("-1", "8", "3"), .error = "Invalid floating point operation."},
    });
}

TEST_F(Progressions, CopyTakesItsOwnAnswerAndCloseHides) {
    const std::pair<const char*, const char*> windows[] = {
        {"TfrmTQPA", "lblResposta"}, {"TfrmNTPA", "lblResposta"}, {"TfrmSTPA", "lblResposta"},
        {"TfrmTQPG", "lblResposta"}, {"Tfrmstpg", "lblresposta"}, {"Tfrmptpg", "lblResposta"}};
    for (auto [name, answer] : windows) {
        QWidget* w = tool(name);
        showWindow(w);
        control<QLabel>(w, answer)->setText(name);
        click(w, "FlatButton1");
        EXPECT_EQ(clipboardText(), name);
        click(w, "Button2");
        EXPECT_FALSE(w->isVisible()) << name;
    }
}

// Button3 shows the window of any term as it was left, with no calculation.
TEST_F(Progressions, Button3ShowsTheAnyTermWindow) {
    const std::pair<const char*, const char*> windows[] = {
        {"TfrmNTPA", "TfrmTQPA"}, {"TfrmSTPA", "TfrmTQPA"}, {"Tfrmstpg", "TfrmTQPG"}, {"Tfrmptpg", "TfrmTQPG"}};
    for (auto [name, anyTerm] : windows) {
        QWidget* any = tool(anyTerm);
        type(any, {{"txtn", "4"}});
        control<QLabel>(any, "lblResposta")->setText("21");
        any->hide();
        click(tool(name), "Button3");
        EXPECT_TRUE(any->isVisible()) << name;
        EXPECT_EQ(control<QLineEdit>(any, "txtn")->text(), "4");
        EXPECT_EQ(caption(any, "lblResposta"), "21") << name;
    }
}

// The any-term window of a PA has a message of its own and keeps the extended value for display.
TEST_F(Progressions, AnyTermOfAPA) {
    QWidget* w = tool("TfrmTQPA");
    const char* const devem = "Os valores devem ser numéricos!";
    const std::string big = "1" + std::string(300, '0');
    const Fields tqpa{"txtn", "txtpt", "txtq"};
    expectRows(w, {
        // the numeric check, once, whatever the number of bad inputs, before any conversion
        {.typed = tqpa("1,5", "1", "1"), .message = devem, .only = '.'},
        {.typed = tqpa("2.5,", "1", "1"), .message = devem},
        {.typed = tqpa("1", "abc", "1.2.3"), .message = devem},
        {.typed = tqpa("", "-", " 5"), .message = devem},
        // conversion in the order term, first term, difference
        {.typed = tqpa("", "-", "1"), .error = "'' is not a valid floating point value."},
        {.typed = tqpa("1", "-", ""), .error = "'-' is not a valid floating point value."},
        // a full stop is a decimal point only where it is the separator
        {.typed = tqpa("2.5", "0", "2"), .error = "'2.5' is not a valid floating point value.", .only = ','},
        {.typed = tqpa("2,5", "0,25", "2"), .answer = "3,25", .only = ','},
        // the answer shown from the extended value, beyond the double range
        {.typed = tqpa(big.c_str(), "0", big.c_str()), .answer = "1E600"},
    });
}
// clang-format on

} // namespace
