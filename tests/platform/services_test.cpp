// Locale, clipboard and process termination.
#include "core/numbers.h"
#include "platform/clipboard.h"
#include "platform/locale.h"
#include "platform/process.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <gtest/gtest.h>

using namespace calvorin;

namespace {

// ---- locale ---------------------------------------------------------------------------------

struct LocaleCase {
    const char* locale;
    char separator;
    const char* time; // 14:05:09 in the long format
};

class Locale : public testing::TestWithParam<LocaleCase> {
protected:
    QLocale saved = programLocale();
    ~Locale() override { initLocale(saved); }
};

TEST_P(Locale, SeparatorAndLongTime) {
    initLocale(QLocale(GetParam().locale));
    EXPECT_EQ(decimalSeparator(), GetParam().separator);
    EXPECT_EQ(longTimeText(QTime(14, 5, 9)), QString::fromUtf8(GetParam().time));
}

INSTANTIATE_TEST_SUITE_P(
    Table, Locale,
    testing::Values(LocaleCase{"pt_BR", ',', "14:05:09"}, LocaleCase{"en_US", '.', "2:05:09 PM"},
                    LocaleCase{"de_DE", ',', "14:05:09"}, LocaleCase{"C", '.', "14:05:09"},
                    LocaleCase{"zh_CN", '.', "14:05:09"}, LocaleCase{"bg_BG", ',', "14:05:09 ч."}),
    [](const testing::TestParamInfo<LocaleCase>& info) { return std::string(info.param.locale); });

// Every locale Qt knows: the zone field goes, whether it is written before, after or in brackets,
// and the seconds stay.
TEST(Locale, NoLocaleKeepsATimeZoneField) {
    for (const QLocale& l :
         QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
        const QString format = longTimeFormat(l);
        bool quoted = false, zone = false, seconds = false;
        for (QChar c : format) {
            if (c == '\'')
                quoted = !quoted;
            else if (!quoted && c == 't')
                zone = true;
            else if (!quoted && c == 's')
                seconds = true;
        }
        EXPECT_FALSE(zone) << l.name().toStdString() << ": " << format.toStdString();
        EXPECT_TRUE(seconds) << l.name().toStdString() << ": " << format.toStdString();
        EXPECT_EQ(format, format.trimmed()) << l.name().toStdString();
    }
}

// ---- clipboard ------------------------------------------------------------------------------

// What another program left on the clipboard before a copy or a paste of ours.
struct Held {
    const char* text = nullptr; // plain text
    const char* html = nullptr; // the same as rich text
    bool picture = false;
};

struct ClipboardCase {
    Held held;
    const char* copied; // what a Copy button puts there; nullptr: nothing is copied
    const char* pasted; // what a paste then reads
};

// Reached the way another program does: the system clipboard, not our own functions.
void leaveOnClipboard(const Held& held) {
    auto* data = new QMimeData;
    if (held.text) data->setText(QString::fromUtf8(held.text));
    if (held.html) data->setHtml(QString::fromUtf8(held.html));
    if (held.picture) data->setImageData(QImage(4, 4, QImage::Format_RGB32));
    QGuiApplication::clipboard()->setMimeData(data);
}

// A copy replaces everything the clipboard held by our text alone, as plain text, also when the text
// is empty, so another program pastes exactly it; a paste reads the plain text of whatever is there.
TEST(Clipboard, CopyLeavesOnlyOurPlainTextAndPasteReadsPlainText) {
    // clang-format off
    const ClipboardCase cases[] = {
        {{"x", "<b>x</b>", true},                         "0,333333333333333",   "0,333333333333333"},
        {{"Resposta:", "<p>Resposta:</p>"},               "",                    ""},
        {{},                                              "Relatório\nlinha 2",  "Relatório\nlinha 2"},
        {{"Relatório\nlinha 2", "<p>Relatório</p><p>linha 2</p>"}, nullptr,      "Relatório\nlinha 2"},
        {{nullptr, "<b>só rich text</b>", true},          nullptr,               ""},
    };
    // clang-format on
    for (const ClipboardCase& c : cases) {
        SCOPED_TRACE(c.copied ? c.copied : "(nothing copied)");
        leaveOnClipboard(c.held);
        if (c.copied) {
            setClipboardText(QString::fromUtf8(c.copied));
            const QMimeData* onSystem = QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
            EXPECT_EQ(onSystem->formats().join(' ').toStdString(), "text/plain");
            EXPECT_EQ(onSystem->text().toStdString(), c.copied);
        }
        EXPECT_EQ(clipboardText().toStdString(), c.pasted);
    }
}

// ---- process --------------------------------------------------------------------------------

struct Terminated {
    int code;
};

TEST(Process, TerminationGoesThroughTheHook) {
    setTerminateHook([](int code) { throw Terminated{code}; });
    for (int code : {1, 0}) {
        try {
            terminateProcess(code);
            ADD_FAILURE() << "terminateProcess returned";
        } catch (const Terminated& t) {
            EXPECT_EQ(t.code, code);
        }
    }
    setTerminateHook(nullptr);
}

TEST(ProcessDeathTest, EndsAtOnceWithTheExitCode) {
    testing::FLAGS_gtest_death_test_style = "threadsafe";
    EXPECT_EXIT(terminateProcess(1), testing::ExitedWithCode(1), "");
    EXPECT_EXIT(terminateProcess(0), testing::ExitedWithCode(0), "");
}

} // namespace
