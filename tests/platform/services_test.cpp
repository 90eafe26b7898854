// Locale, clipboard and process termination.
#include "core/numbers.h"
#include "platform/clipboard.h"
#include "platform/locale.h"
#include "platform/process.h"

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

TEST(Clipboard, TextGoesInAndComesOutUnchanged) {
    for (const char* text : {"0,333333333333333", "Resposta:", "", "Relatório\nlinha 2"}) {
        setClipboardText(QString::fromUtf8(text));
        EXPECT_EQ(clipboardText(), QString::fromUtf8(text));
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
