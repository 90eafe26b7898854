#include "support/tools_fixture.h"
#include "ui/toolwindow.h"

#include "ui/frames.h"
#include "widgets/TFlatButtonUnit.h"

#include <QAccessible>
#include <limits>

using namespace calvorin;
using namespace calvorin::testing_tools;

namespace {

// A window written the way the unusual tool windows are: its own button names, no validation
// message, an answer caption of its own, and a second calculation that catches conversion errors.
class TfrmSample : public ToolWindow {
public:
    QLineEdit *txtA, *txtB;
    QLabel* lblSol;
    QAbstractButton *btnCalc, *btnOwn, *FlatButton2, *FlatButton3;

    TfrmSample() {
        row({label("Label1", "A:"), txtA = edit("txtA", "1")});
        row({label("Label2", "B:"), txtB = edit("txtB")});
        row({lblSol = answer("---", "lblSol")});
        std::tie(btnCalc, FlatButton3, FlatButton2) =
            standardButtons(lblSol, "btnCalc", "FlatButton3", "FlatButton2");
        buttonRow({btnOwn = button("btnOwn", "Próprio")});
        onClick(btnCalc, &TfrmSample::btnCalcClick);
        onClick(btnOwn, &TfrmSample::btnOwnClick);
        finish("Amostra", false, true);
    }
    void btnCalcClick() {
        if (!valid({txtA, txtB})) return;
        const Real a = number(txtA), b = number(txtB);
        display(lblSol, a / b);
        record({"Divisão", "A = " + txtA->text(), "B: " + txtB->text(), "Resultado = " + lblSol->text()});
    }
    void btnOwnClick() {
        Real a, b;
        if (!convertOrTell("Valores inválidos.", [&] { a = number(txtA), b = number(txtB); })) return;
        display(lblSol, a / b);
    }
};

class ToolWindowFlow : public ToolFixture, public testing::Test {
protected:
    TfrmSample* sample = new TfrmSample;
    void SetUp() override { create({sample}); }
    void TearDown() override { destroy(); }
};

struct FlowCase {
    const char* button;
    const char* a;
    const char* b;
    char separator;
    const char* answer = nullptr; // nullptr: unchanged
    const char* error = nullptr;
    const char* message = nullptr;
};

// The numeric check and the conversion errors, each window's table holds in its locale.
TEST_F(ToolWindowFlow, ValidateConvertComputeDisplay) {
    const FlowCase cases[] = {
        {"btnCalc", "1", "4", ',', "0,25"},
        {"btnCalc", "1", "4", '.', "0.25"},
        {"btnCalc", "-1", "-.", '.', nullptr, "Floating point division by zero."},
        {"btnCalc", "0", "0", '.', nullptr, "Invalid floating point operation."},
        {"btnOwn", "2,5", "2", ',', "1,25"}, // no numeric check: the system separator works
        {"btnOwn", "x", "2", ',', nullptr, nullptr, "Valores inválidos."},
        {"btnOwn", "1", "", ',', nullptr, nullptr, "Valores inválidos."},
        {"btnOwn", "1", "0", ',', nullptr, "Floating point division by zero."}, // not a conversion
    };
    for (const FlowCase& c : cases) {
        SCOPED_TRACE(std::string(c.button) + " '" + c.a + "' '" + c.b + "' " + c.separator);
        SeparatorGuard separator(c.separator);
        recorder.errors.clear();
        recorder.messages.clear();
        sample->lblSol->setText("anterior");
        sample->txtA->setText(QString::fromUtf8(c.a));
        sample->txtB->setText(QString::fromUtf8(c.b));
        click(sample, c.button);
        EXPECT_EQ(sample->lblSol->text(), c.answer ? QString(c.answer) : QString("anterior"));
        EXPECT_EQ(recorder.errors, c.error ? QStringList{c.error} : QStringList{});
        EXPECT_EQ(recorder.messages, c.message ? QStringList{QString::fromUtf8(c.message)} : QStringList{});
    }
    EXPECT_EQ(sample->lblSol->textFormat(), Qt::PlainText); // an answer is never read as markup
}

TEST_F(ToolWindowFlow, RecordsOnlyWhileRecordingAndOnlyWhenTheCalculationEnds) {
    sample->txtA->setText("06");
    sample->txtB->setText("3");
    click(sample, "btnCalc");
    EXPECT_TRUE(reportLog().isEmpty());
    setRecording(true);
    click(sample, "btnCalc");
    sample->txtB->setText("0");
    click(sample, "btnCalc");
    EXPECT_EQ(reportLog().lines(), QStringList({"Divisão", "A = 06", "B: 3", "Resultado = 2"}));
}

// ---- the pieces of the flow -----------------------------------------------------------------------

TEST_F(ToolWindowFlow, ScreenReadersHearEachEditByItsLabelAndTheAnswerAsItIsNow) {
    auto name = [](QWidget* w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); };
    EXPECT_EQ(QAccessible::queryAccessibleInterface(sample)->role(), QAccessible::Window);
    EXPECT_EQ(name(sample), "Amostra");
    EXPECT_EQ(name(sample->txtA), "A:");
    EXPECT_EQ(name(sample->btnCalc), "Calcular");
    sample->lblSol->setText("0,25");
    EXPECT_EQ(name(sample->lblSol), "0,25");
    // A caption with "&" stays as it is shown and still names its edit.
    auto* both = new QLabel("A & B:", sample);
    labelControl(both, sample->txtB);
    EXPECT_EQ(name(sample->txtB), "A & B:");
    EXPECT_EQ(both->buddy(), nullptr);
}

TEST(ToolWindowParts, NumbersAreDoubles) {
    SeparatorGuard separator('.');
    QLineEdit edit;
    struct Case {
        std::string text;
        double value;
        const char* error;
    };
    const Case cases[] = {
        {"007", 7, nullptr},
        {".", 0, nullptr},
        {"0.1", 0.1, nullptr}, // rounded to the double, not kept in extended precision
        {"1" + std::string(309, '0'), 0, "Floating point overflow"},
        {"-", 0, "'-' is not a valid floating point value"},
    };
    for (const Case& c : cases) {
        edit.setText(QString::fromStdString(c.text));
        try {
            const double v = ToolWindow::number(&edit);
            EXPECT_EQ(c.error, nullptr) << c.text;
            EXPECT_EQ(v, c.value) << c.text;
        } catch (const Error& e) {
            EXPECT_STREQ(e.what(), c.error) << c.text;
        }
    }
    // A formula's input: the value converted so, or kept extended, and the text as typed.
    edit.setText("0.1");
    EXPECT_EQ(ToolWindow::typed(&edit).value, 0.1);
    EXPECT_EQ(ToolWindow::typed<Real>(&edit).value.value(), 0.1L);
    EXPECT_EQ(ToolWindow::typed<Real>(&edit).text, "0.1");
}

// A button leaves room for its whole caption in its own font, whatever that font; short captions
// share one width, so that a window's buttons line up.
TEST(ToolWindowParts, ButtonsHoldTheirWholeCaption) {
    QWidget plain, large;
    QFont big = large.font();
    big.setPointSize(big.pointSize() * 3);
    large.setFont(big);
    const QString caption = "Iniciar outro relatório e &salvar o atual.";
    for (QWidget* parent : {&plain, &large, &plain}) {
        const TFlatButton* wide = makeButton(parent, "wide", caption);
        const int inside = wide->width() - 4; // within the frame, a pixel clear of it
        EXPECT_LE(wide->fontMetrics().horizontalAdvance(QString(caption).remove('&')), inside)
            << parent->font().pointSize();
    }
    EXPECT_EQ(makeButton(&plain, "close", "&Fechar")->size(),
              makeButton(&plain, "calc", "&Calcular")->size());
}

} // namespace
