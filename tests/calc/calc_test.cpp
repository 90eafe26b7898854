#include "calc/CalcEngine.h"
#include "calc/fCalc.h"
#include "platform/clipboard.h"
#include "platform/guard.h"
#include "platform/help.h"
#include "support/tools_fixture.h"

#include <QTest>

#include <algorithm>
#include <utility>

using namespace calvorin;
using namespace calvorin::testing_tools;

namespace {

// A table's text: "|" parts lines, and ',' stands for the locale's separator unless `literal`.
QStringList parts(const char* text, char separator, bool literal = false) {
    QString s = QString::fromUtf8(text);
    if (!literal) s.replace(',', QChar::fromLatin1(separator));
    return s.isEmpty() ? QStringList{} : s.split('|');
}
QStringList errorBox(const char* error) {
    return error ? QStringList{QString::fromUtf8(error)} : QStringList{};
}

// Keys, blank-separated: digits . CE + - * / X^Y = E= (the expression mode on) Log Raiz Raiz:n
// (root of index n) Pi Inv MS MR; ">text" types into the display.
struct KeyRow {
    const char* keys;
    const char* display;
    const char* lines = "";
    const char* error = nullptr; // the error box, whatever key raised it
    char only = 0;               // the one separator the row is for, written as shown there
};

// clang-format off
const KeyRow keyRows[] = {
    // "=" repeats the pending operation on the value now displayed; nothing pending, nothing done
    {"1 2 + 3 =", "15", "Calculadora|Adição|12 + 3 = 15"},
    {"1 2 + 3 = =", "27", "Calculadora|Adição|12 + 3 = 15|Calculadora|Adição|12 + 15 = 27"},
    {"9 - 4 = =", "4", "Calculadora|Subtração|9 - 4 = 5|Calculadora|Subtração|9 - 5 = 4"},
    {"5 + 0 5 =", "10", "Calculadora|Adição|5 + 5 = 10"},
    {"2 + 3 = 1", "51", "Calculadora|Adição|2 + 3 = 5"},
    {"7 =", "7"},
    {">007 +", "007"},
    {">007 *", "7"},
    {"2 X^Y 1 0 =", "1024", "Calculadora|Cálando uma potênciação|2 elevado a 10|Resposta: 1024"},
    {"2 X^Y 3 = =", "16777216",
     "Calculadora|Cálando uma potênciação|2 elevado a 3|Resposta: 8|Calculadora|Cálando uma potênciação|8 elevado a 8|Resposta: 16777216"},
    // the decimal key writes the separator and begins a new operand after an operation key
    {"2 . 5 + 1 =", "3,5", "Calculadora|Adição|2,5 + 1 = 3,5"},
    {"5 + . 5 =", "5,5", "Calculadora|Adição|5 + 0,5 = 5,5"},
    {"1 . . 5", "1,5"},
    {"1 . CE . 5", "0,5"},
    {">2.5 +", "2.5", "", "'2.5' is not a valid floating point value.", ','},
    {">2,5 +", "2,5", "", "'2,5' is not a valid floating point value.", '.'},
    // a failed operation key changes nothing
    {"2 + >x * 3 =", "5", "Calculadora|Adição|2 + 3 = 5", "'x' is not a valid floating point value."},
    // function keys
    {"9 Raiz", "3", "Calculadora|Raiz quadrada de 9 = 3"},
    {">-9 Raiz", "-9", "Calculadora", "Invalid floating point operation."},
    {"8 Raiz:3", "2"},
    {"8 Raiz:0", "8", "", "Floating point division by zero."},
    {"8 Raiz:x", "8", "", "'x' is not a valid floating point value."},
    {"5 + 1 0 0 Log =", "102", "Calculadora|Adição|100 + 2 = 102"},
    {"0 Log", "0", "", "Floating point division by zero."},
    {">-1 Log", "-1", "", "Invalid floating point operation."},
    {"Pi", "3,14159265358979", "Calculadora|Valor de Pi =3,14159265358979"},
    {"5 Inv", "-5", "Calculadora|Inversão do sinal de 5 = -5"},
    {"MR", "0"},
    // arithmetic faults: the lines before the failing step stay
    {"1 / 0 =", "0", "Calculadora|Divisão", "Floating point division by zero."},
    {">-8 X^Y . 5 =", "0,5", "Calculadora|Cálando uma potênciação|-8 elevado a 0,5", "Invalid floating point operation."},
    {"0 X^Y >-1 =", "-1", "Calculadora|Cálando uma potênciação|0 elevado a -1", "Floating point division by zero."},
    // a result beyond the double range is shown, and overflows once it is taken as an operand
    {">1E308 * 1 0 = =", "1E309", "Calculadora|Multiplicação|1E308 * 10 = 1E309|Calculadora|Multiplicação", "Floating point overflow."},
    // the expression mode: the full stop always, no box of its own, the pending operation after it
    // reads even a failed expression's message
    {">2^10 E=", "1024"},
    {">2.5*2 E=", "5"},
    {">2,5*2 E=", "Erro na expressão"},
    {"2 + >4*5 E=", "22", "Calculadora|Adição|2 + 20 = 22"},
    {">x E= +", "Erro na expressão", "", "'Erro na expressão' is not a valid floating point value."},
    {"2 + >2+ E=", "Erro na expressão", "Calculadora|Adição", "'Erro na expressão' is not a valid floating point value."},
};
// clang-format on

// The engine on a plain display that records every line.
struct Bench : CalcEngine::Surface {
    QString display = "0";
    QStringList lines;
    TMathParser parser;
    CalcEngine engine{*this, parser};

    QString displayText() const override { return display; }
    void setDisplayText(const QString& text) override { display = text; }
    void recordLine(const QString& line) override { lines << line; }

    void press(const QString& key) {
        using E = CalcEngine;
        static const std::pair<QString, void (E::*)()> keys[] = {
            {".", &E::decimalPoint},  {"CE", &E::clearEntry}, {"+", &E::add},          {"-", &E::subtract},
            {"*", &E::multiply},      {"/", &E::divide},      {"X^Y", &E::power},      {"Log", &E::log},
            {"Raiz", &E::squareRoot}, {"Pi", &E::pi},         {"Inv", &E::invertSign}, {"MS", &E::store},
            {"MR", &E::recall}};
        if (key.startsWith('>'))
            display = key.mid(1);
        else if (key.startsWith("Raiz:"))
            engine.root(key.mid(5));
        else if (key[0].isDigit())
            engine.digit(key.toInt());
        else if (key.endsWith('='))
            engine.equals(key == "E=");
        else if (auto k =
                     std::find_if(std::begin(keys), std::end(keys), [&](auto& p) { return p.first == key; });
                 k != std::end(keys))
            (engine.*k->second)();
        else
            ADD_FAILURE() << "no key named " << key.toStdString();
    }
};

class CalcKeys : public testing::TestWithParam<char> {};

TEST_P(CalcKeys, KeySequences) {
    SeparatorGuard separator{GetParam()};
    DialogRecorder recorder;
    for (const KeyRow& row : keyRows) {
        if (row.only && row.only != GetParam()) continue;
        SCOPED_TRACE(row.keys);
        recorder.errors.clear();
        Bench bench;
        for (const QString& key : QString(row.keys).split(' '))
            runGuarded([&] { bench.press(key); });
        EXPECT_EQ(bench.display, parts(row.display, GetParam(), row.only).value(0));
        EXPECT_EQ(bench.lines, parts(row.lines, GetParam(), row.only));
        EXPECT_EQ(recorder.errors, errorBox(row.error));
    }
}

INSTANTIATE_TEST_SUITE_P(Separators, CalcKeys, testing::Values(',', '.'));

class CalcWindow : public ToolFixture, public testing::TestWithParam<char> {
protected:
    SeparatorGuard separator{GetParam()};
    void SetUp() override { create({}); }
    void TearDown() override { destroy(); }
};

// The buttons reach the engine, the report only while recording, errors through the guard's box.
TEST_P(CalcWindow, ButtonsDriveTheCalculator) {
    struct {
        const char* clicks; // button names; ">text" types into the display
        bool recording;
        const char* display;
        const char* lines = "";
        const char* error = nullptr;
    } const rows[] = {
        // clang-format off
        {"btn1 btn2 btnAdd btn3 btnCalc btnCalc", true, "27", "Calculadora|Adição|12 + 3 = 15|Calculadora|Adição|12 + 15 = 27"},
        {"btn2 btnPotencia btn1 btn0 btnCalc", true, "1024", "Calculadora|Cálando uma potênciação|2 elevado a 10|Resposta: 1024"},
        {"chkExp >2^10 btnCalc", true, "1024"},
        {"btn2 btnPonto btn5 btnVezes btn4 btnMenos btn7 btnCalc", false, "-3"},
        {"btn9 FlatButton1 FlatButton8 FlatButton3 btnDivisor btn2 btnCalc", false, "1,5707963267949"},
        {"btn6 btn4 FlatButton2 FlatButton4 btnClear FlatButton5 btnLog", true, "0,602059991327962"},
        {"btn1 btnDivisor btn0 btnCalc", true, "0", "Calculadora|Divisão", "Floating point division by zero."},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.clicks);
        recorder.errors.clear();
        setRecording(row.recording);
        const qsizetype before = reportLog().lines().size();
        TfrmCalc calc;
        for (const QString& name : QString(row.clicks).split(' '))
            name.startsWith('>') ? calc.txtVisor->setText(name.mid(1)) : click(&calc, qPrintable(name));
        EXPECT_EQ(calc.txtVisor->text(), parts(row.display, GetParam()).value(0));
        EXPECT_EQ(reportLog().lines().mid(before), parts(row.lines, GetParam()));
        EXPECT_EQ(recorder.errors, errorBox(row.error));
    }
}

TEST_P(CalcWindow, ClipboardHelpAndClosingKeepTheState) {
    TfrmCalc calc;
    calc.show(); // clicked where they lie, the keys take the focus from the display
    calc.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&calc));
    const auto clickAt = [&](QWidget* b) {
        QTest::mouseClick(calc.windowHandle(), Qt::LeftButton, {}, b->mapTo(&calc, b->rect().center()));
    };
    calc.txtVisor->setText("12345");
    calc.txtVisor->setFocus();
    calc.txtVisor->setSelection(1, 3);
    clickAt(calc.FlatButton6);
    EXPECT_EQ(clipboardText(), "234");
    setClipboardText("x+");
    clickAt(calc.FlatButton7); // over the selection, unchecked
    EXPECT_EQ(calc.txtVisor->text(), "1x+5");

    QString topic;
    setHelpViewer([&](HelpPage page, const QString& t) { topic = page == HelpPage::Topic ? t : "?"; });
    calc.btnajuda->click();
    setHelpViewer({});
    EXPECT_EQ(topic, "calculadora");
    EXPECT_FALSE(calc.windowFlags() & Qt::WindowStaysOnTopHint);
    calc.show();
    calc.btnClear->click();
    calc.btn7->click();
    calc.btnAdd->click();
    calc.btnFechar->click();
    EXPECT_FALSE(calc.isVisible());
    calc.show();
    calc.btn3->click();
    calc.btnCalc->click();
    EXPECT_EQ(calc.txtVisor->text(), "10");
}

INSTANTIATE_TEST_SUITE_P(Separators, CalcWindow, testing::Values(',', '.'));

} // namespace
