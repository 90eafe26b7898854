#include "platform/clipboard.h"
#include "tools/fNTPA.h"
#include "tools/fSTPA.h"
#include "tools/fTQPA.h"
#include "tools_fixture.h"

using namespace calvorin;
using namespace calvorin::testing_tools;

namespace {

class Progressions : public ToolFixture, public testing::TestWithParam<char> {
protected:
    SeparatorGuard separator{GetParam()};
    void SetUp() override { create({new TfrmTQPA, new TfrmNTPA, new TfrmSTPA}); }
    void TearDown() override { destroy(); }
    // The locale's way of writing a decimal number: "5,5" or "5.5".
    QString decimal(const char* withComma) const {
        return QString::fromLatin1(withComma).replace(',', QChar::fromLatin1(GetParam()));
    }
};

struct Case {
    const char* window;
    Inputs inputs;
    const char* answer = nullptr;  // the caption after the calculation (decimal comma written as ',')
    const char* error = nullptr;   // or the error box
    const char* message = nullptr; // or the validation message
};

const char* const precisam = "Os valores precisam ser numéricos!";

// Cases that hold whatever the decimal separator.
const Case anyLocale[] = {
    {"TfrmNTPA", {{"txtPT", "2"}, {"txtUT", "20"}, {"txtQ", "3"}}, "7"},
    {"TfrmNTPA", {{"txtPT", "4"}, {"txtUT", "4"}, {"txtQ", "3"}}, "1"},
    {"TfrmNTPA", {{"txtPT", "1"}, {"txtUT", "10"}, {"txtQ", "2"}}, "5,5"},
    {"TfrmNTPA", {{"txtPT", "10"}, {"txtUT", "1"}, {"txtQ", "2"}}, "-3,5"},
    {"TfrmNTPA", {{"txtPT", "1"}, {"txtUT", "3"}, {"txtQ", "3"}}, "1,66666666666667"},
    {"TfrmSTPA", {{"txtpt", "1"}, {"txtut", "100"}, {"txtn", "100"}}, "5050"},
    {"TfrmSTPA", {{"txtpt", "1"}, {"txtut", "100"}, {"txtn", "0"}}, "0"},
    {"TfrmSTPA", {{"txtpt", "1"}, {"txtut", "2"}, {"txtn", "-3"}}, "-4,5"},
    // validation: once, whatever the number of bad inputs, before any conversion
    {"TfrmNTPA", {{"txtPT", "abc"}, {"txtUT", "x"}, {"txtQ", "1e5"}}, nullptr, nullptr, precisam},
    {"TfrmNTPA", {{"txtPT", "1"}, {"txtUT", "2"}, {"txtQ", "+3"}}, nullptr, nullptr, precisam},
    {"TfrmSTPA", {{"txtpt", "1"}, {"txtut", "5-"}, {"txtn", "2"}}, nullptr, nullptr, precisam},
    // conversion, in each window's order
    {"TfrmNTPA",
     {{"txtPT", "1"}, {"txtUT", ""}, {"txtQ", "-"}},
     nullptr,
     "'' is not a valid floating point value."},
    {"TfrmSTPA",
     {{"txtpt", "2"}, {"txtut", "3"}, {"txtn", "-"}},
     nullptr,
     "'-' is not a valid floating point value."},
    // arithmetic faults
    {"TfrmNTPA",
     {{"txtPT", "1"}, {"txtUT", "2"}, {"txtQ", "0"}},
     nullptr,
     "Floating point division by zero."},
    {"TfrmNTPA",
     {{"txtPT", "3"}, {"txtUT", "3"}, {"txtQ", "0"}},
     nullptr,
     "Invalid floating point operation."},
    {"TfrmNTPA",
     {{"txtPT", "3"}, {"txtUT", "3"}, {"txtQ", "-0"}},
     nullptr,
     "Invalid floating point operation."},
};

// Inputs are doubles: a number beyond their range overflows when it is stored.
std::string huge() {
    return "1" + std::string(400, '0');
}

TEST_P(Progressions, Calculations) {
    std::vector<Case> cases(std::begin(anyLocale), std::end(anyLocale));
    static const std::string big = huge();
    cases.push_back({"TfrmSTPA",
                     {{"txtpt", big.c_str()}, {"txtut", "1"}, {"txtn", "1"}},
                     nullptr,
                     "Floating point overflow."});
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.window) + " " + c.inputs[0].second + " " + c.inputs[1].second + " " +
                     c.inputs[2].second);
        recorder.messages.clear();
        recorder.errors.clear();
        QWidget* w = tool(c.window);
        control<QLabel>(w, "lblResposta")->setText("anterior");
        type(w, c.inputs);
        click(w, "Button1");
        EXPECT_EQ(caption(w, "lblResposta"), c.answer ? decimal(c.answer) : QString("anterior"));
        EXPECT_EQ(recorder.errors, c.error ? QStringList{QString::fromUtf8(c.error)} : QStringList{});
        EXPECT_EQ(recorder.messages, c.message ? QStringList{QString::fromUtf8(c.message)} : QStringList{});
    }
}

struct Recorded {
    const char* window;
    Inputs inputs;
    QStringList lines;
};

TEST_P(Progressions, RecordsFiveLinesWithTheInputsAsTyped) {
    const Recorded cases[] = {
        {"TfrmNTPA",
         {{"txtPT", "02"}, {"txtUT", "20"}, {"txtQ", "3"}},
         {"Calculando o número de termos de uma PA", "Primeiro termo = 02", "Último termo = 20",
          "Razão da PA = 3", "Número de termos = 7"}},
        {"TfrmSTPA",
         {{"txtpt", "1"}, {"txtut", "100"}, {"txtn", "0100"}},
         {"Soma dos termos de uma PA", "Primeiro termo = 1", "Último termo = 100", "Número de termos = 0100",
          "Resposta = 5050"}},
    };
    setRecording(true);
    QStringList expected;
    for (const Recorded& c : cases) {
        QWidget* w = tool(c.window);
        type(w, c.inputs);
        click(w, "Button1");
        expected += c.lines;
        EXPECT_EQ(reportLog().lines(), expected) << c.window;
    }
    // Failed calculations record nothing.
    type(tool("TfrmNTPA"), {{"txtQ", "0"}});
    click(tool("TfrmNTPA"), "Button1");
    type(tool("TfrmSTPA"), {{"txtn", "x"}});
    click(tool("TfrmSTPA"), "Button1");
    EXPECT_EQ(reportLog().lines(), expected);
}

TEST_P(Progressions, RecordsNothingWhenRecordingIsOff) {
    setRecording(false);
    for (const char* name : {"TfrmTQPA", "TfrmNTPA", "TfrmSTPA"}) {
        QWidget* w = tool(name);
        for (QLineEdit* e : w->findChildren<QLineEdit*>())
            e->setText("1");
        click(w, "Button1");
        EXPECT_NE(caption(w, "lblResposta").left(8), "Resposta") << name;
    }
    EXPECT_TRUE(reportLog().isEmpty());
}

TEST_P(Progressions, CopyTakesTheCaptionAsItIs) {
    const std::pair<const char*, const char*> initial[] = {
        {"TfrmTQPA", "Resposta"}, {"TfrmNTPA", "Resposta:"}, {"TfrmSTPA", "Resposta:"}};
    for (auto [name, caption] : initial) {
        setClipboardText("antes");
        click(tool(name), "FlatButton1");
        EXPECT_EQ(clipboardText(), caption) << name;
    }
    QWidget* w = tool("TfrmNTPA");
    type(w, {{"txtPT", "1"}, {"txtUT", "10"}, {"txtQ", "2"}});
    click(w, "Button1");
    click(w, "FlatButton1");
    EXPECT_EQ(clipboardText(), decimal("5,5"));
}

TEST_P(Progressions, CloseHidesAndKeepsTheTexts) {
    for (const char* name : {"TfrmTQPA", "TfrmNTPA", "TfrmSTPA"}) {
        QWidget* w = tool(name);
        showWindow(w);
        for (QLineEdit* e : w->findChildren<QLineEdit*>())
            e->setText("2");
        click(w, "Button1");
        const QString answer = caption(w, "lblResposta");
        click(w, "Button2");
        EXPECT_FALSE(w->isVisible()) << name;
        showWindow(w);
        EXPECT_TRUE(w->isVisible()) << name;
        EXPECT_EQ(caption(w, "lblResposta"), answer) << name;
        for (QLineEdit* e : w->findChildren<QLineEdit*>())
            EXPECT_EQ(e->text(), "2") << name;
    }
}

TEST_P(Progressions, Button3ShowsTheAnyTermWindowAsItWasLeft) {
    QWidget* any = tool("TfrmTQPA");
    type(any, {{"txtn", "10"}, {"txtpt", "3"}, {"txtq", "2"}});
    click(any, "Button1");
    any->hide();
    type(any, {{"txtn", "4"}});
    for (const char* name : {"TfrmNTPA", "TfrmSTPA"}) {
        any->hide();
        click(tool(name), "Button3");
        EXPECT_TRUE(any->isVisible()) << name;
        EXPECT_EQ(control<QLineEdit>(any, "txtn")->text(), "4");
        EXPECT_EQ(caption(any, "lblResposta"), "21") << "no calculation on show";
    }
}

TEST_P(Progressions, ControlsAndCaptions) {
    struct Control {
        const char* window;
        const char* name;
        const char* text;
    };
    const Control controls[] = {
        {"TfrmTQPA", "Label1", "Termo a ser encontrado:"},
        {"TfrmTQPA", "Label2", "Primeiro ermo da PA:"},
        {"TfrmTQPA", "Label3", "Razão da PA:"},
        {"TfrmNTPA", "Label1", "Primeiro termo da PA:"},
        {"TfrmNTPA", "Label2", "Último termo da PA:"},
        {"TfrmNTPA", "Label3", "Razão da PA:"},
        {"TfrmNTPA", "Button3", "Calcular termo qualquer de uma PA"},
        {"TfrmSTPA", "Label1", "Primeiro termo da PA:"},
        {"TfrmSTPA", "Label2", "Último termo da PA:"},
        {"TfrmSTPA", "Label3", "Número de termos da PA:"},
        {"TfrmSTPA", "Button3", "Calcular um termo qualquer de uma PA"},
    };
    for (const Control& c : controls) {
        QWidget* w = tool(c.window);
        QString text;
        if (auto* l = w->findChild<QLabel*>(c.name))
            text = l->text();
        else if (auto* b = w->findChild<QAbstractButton*>(c.name))
            text = b->text();
        EXPECT_EQ(text, QString::fromUtf8(c.text)) << c.window << " " << c.name;
    }
    const std::pair<const char*, const char*> titles[] = {{"TfrmTQPA", "Termo qualquer de uma PA"},
                                                          {"TfrmNTPA", "Número de termos de uma PA"},
                                                          {"TfrmSTPA", "Soma dos termos de uma PA"}};
    for (auto [name, title] : titles) {
        QWidget* w = tool(name);
        EXPECT_EQ(w->windowTitle(), QString::fromUtf8(title));
        EXPECT_STREQ(w->metaObject()->className(), name);
        EXPECT_TRUE(w->windowFlags() & Qt::WindowStaysOnTopHint) << name;
        for (const char* b : {"Button1", "Button2", "FlatButton1"})
            control<QAbstractButton>(w, b);
        for (QLineEdit* e : w->findChildren<QLineEdit*>())
            EXPECT_TRUE(e->text().isEmpty()) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(Separators, Progressions, testing::Values(',', '.'),
                         [](const testing::TestParamInfo<char>& info) {
                             return std::string(info.param == ',' ? "Comma" : "FullStop");
                         });

// ---- TfrmTQPA: its formula is tested apart; here what only the window can get wrong --------------

class TQPA : public ToolFixture, public testing::Test {
protected:
    TfrmTQPA* w = new TfrmTQPA;
    void SetUp() override { create({w}); }
    void TearDown() override { destroy(); }
};

TEST_F(TQPA, ValidatesConvertsInOrderShowsAndRecordsTheInputsAsTyped) {
    const char* const devem = "Os valores devem ser numéricos!";
    const std::string big = "1" + std::string(300, '0');
    expectRows(
        w,
        {
            {.typed = {{"txtn", "007"}, {"txtpt", "3"}, {"txtq", "-2"}},
             .answer = "-9",
             .report = {"Termo qualquer de uma PA", "Termo a ser encontrado = 007",
                        "Primeiro termo da PA = 3", "Razão da PA = -2", "Termo encontrado = -9"}},
            // the numeric check, once, whatever the number of bad inputs, before any conversion
            {.typed = {{"txtn", "1,5"}, {"txtpt", "1"}, {"txtq", "1"}}, .message = devem},
            {.typed = {{"txtn", "1"}, {"txtpt", "abc"}, {"txtq", "1.2.3"}}, .message = devem},
            {.typed = {{"txtn", ""}, {"txtpt", "-"}, {"txtq", " 5"}}, .message = devem},
            // conversion in the order term, first term, difference
            {.typed = {{"txtn", ""}, {"txtpt", "-"}, {"txtq", "1"}},
             .error = "'' is not a valid floating point value."},
            {.typed = {{"txtn", "1"}, {"txtpt", "-"}, {"txtq", ""}},
             .error = "'-' is not a valid floating point value."},
            // a full stop is a decimal point only where it is the separator
            {.typed = {{"txtn", "2.5"}, {"txtpt", "0.25"}, {"txtq", "2"}},
             .answer = "3.25",
             .report = {"Termo qualquer de uma PA", "Termo a ser encontrado = 2.5",
                        "Primeiro termo da PA = 0.25", "Razão da PA = 2", "Termo encontrado = 3.25"},
             .only = '.'},
            {.typed = {{"txtn", "2.5"}, {"txtpt", "0"}, {"txtq", "2"}},
             .error = "'2.5' is not a valid floating point value.",
             .only = ','},
            // the answer shown from the extended value, beyond the double range
            {.typed = {{"txtn", big.c_str()}, {"txtpt", "0"}, {"txtq", big.c_str()}},
             .answer = "1E600",
             .report = {"Termo qualquer de uma PA", "Termo a ser encontrado = " + QString::fromStdString(big),
                        "Primeiro termo da PA = 0", "Razão da PA = " + QString::fromStdString(big),
                        "Termo encontrado = 1E600"}},
        });
}

} // namespace
