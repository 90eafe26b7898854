#include "core/errors.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

using namespace calvorin;

namespace {

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// ---- script lines ---------------------------------------------------------------------------

struct SplitCase {
    const char* name;
    QByteArray bytes;
    QStringList lines;
};

void PrintTo(const SplitCase& c, std::ostream* os) {
    *os << c.name;
}

class ScriptLines : public testing::TestWithParam<SplitCase> {};

TEST_P(ScriptLines, FollowTheScriptRules) {
    EXPECT_EQ(splitScriptLines(GetParam().bytes), GetParam().lines);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, ScriptLines, testing::ValuesIn(std::vector<SplitCase>{
    {"crlf", "nosplash\r\ncalc\r\n", {"nosplash", "calc"}},
    {"cr_only", "nosplash\rcalc\r", {"nosplash", "calc"}},
    {"lf_only_is_one_line", "nosplash\ncalc\n", {"nosplash\ncalc\n"}},
    {"cr_lf_lf_keeps_the_second_lf", "calc\r\n\ngraf\r\n", {"calc", "\ngraf"}},
    {"lf_before_cr_stays_in_the_line", "calc\n\rgraf", {"calc\n", "graf"}},
    {"ctrl_z_ends_the_file", "calc\r\ngr\x1A" "af\r\nmdc\r\n", {"calc", "gr"}},
    {"ctrl_z_at_a_line_start", "calc\r\n\x1Amdc", {"calc"}},
    {"last_line_without_end", "calc\r\ngraf", {"calc", "graf"}},
    {"empty_file", "", {}}, {"only_ctrl_z", "\x1A", {}}, {"one_cr", "\r", {""}}, {"one_crlf", "\r\n", {""}},
    {"empty_lines_are_kept", "\r\n\r\ncalc\r\n", {"", "", "calc"}},
    {"blanks_are_kept", " calc \r\n", {" calc "}},
    {"windows_1252_small_a_tilde", "vers\xE3o\r\n", {QString::fromUtf8("versão")}},
    {"windows_1252_capital_a_tilde", "VERS\xC3O", {QString::fromUtf8("VERSÃO")}},
    {"windows_1252_cedilla", "combina\xE7\xF5" "es", {QString::fromUtf8("combinações")}},
    {"windows_1252_euro", "\x80", {QString::fromUtf8("€")}}}),
    [](const testing::TestParamInfo<SplitCase>& info) { return std::string(info.param.name); });
// clang-format on

// Plain ASCII is read without the codec: it must come out as the codec reads it.
TEST(ScriptFile, EveryAsciiByteReadsAsTheCodePageHasIt) {
    for (int b = 0; b < 0x80; ++b) {
        const QByteArray bytes = QByteArray("a") + char(b) + "z";
        EXPECT_EQ(fromWindows1252(bytes), QStringDecoder("windows-1252")(bytes)) << b;
    }
    EXPECT_EQ(fromWindows1252("a\x80z"), QString::fromUtf8("a€z")) << "one byte beyond ASCII";
}

TEST(ScriptFile, ReadsTheLinesOfAFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("autoexec.cv1");
    writeBytes(path, "nosplash\rvers\xE3o\r\n\x1A"
                     "calc");
    EXPECT_EQ(readScriptFile(path), (QStringList{"nosplash", QString::fromUtf8("versão")}));
}

TEST(ScriptFile, UnreadableFileRaisesAFileError) {
    QTemporaryDir dir;
    EXPECT_THROW(readScriptFile(dir.filePath("missing.cv1")), FileError);
    EXPECT_THROW(readScriptFile(dir.path()), FileError) << "a folder is not a script";
}

// ---- writing --------------------------------------------------------------------------------

// Each row replaces the file the row before wrote, the first one a longer older file.
TEST(LinesFile, EveryLineEndsInCrLfInWindows1252AndReadsBack) {
    const struct {
        QStringList lines;
        QByteArray bytes;
        QStringList readBack = {}; // empty: the lines as written
    } cases[] = {
        // clang-format off
        {{QString::fromUtf8("Relatório do Calvorin 2.1"), "", "2 + 3 = 5"},
         "Relat\xF3rio do Calvorin 2.1\r\n\r\n2 + 3 = 5\r\n"},
        {{"novo"}, "novo\r\n"},
        {{}, ""}, // the file stays, empty
        {{QString::fromUtf8("versão"), QString::fromUtf8("combinações"), "", "calc"},
         "vers\xE3o\r\ncombina\xE7\xF5" "es\r\n\r\ncalc\r\n"},
        // Never a Ctrl+Z for what the code page lacks: it would end the script there when read back.
        {{QString::fromUtf8("Ω = 1 \U0001F600"), "calc"}, "? = 1 ?\r\ncalc\r\n", {"? = 1 ?", "calc"}},
        // clang-format on
    };
    QTemporaryDir dir;
    const QString path = dir.filePath("CVRelatório.txt");
    writeBytes(path, QByteArray(100, 'x'));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes.toStdString());
        writeLinesFile(path, c.lines);
        ASSERT_TRUE(QFile::exists(path));
        EXPECT_EQ(fileBytes(path), c.bytes);
        EXPECT_EQ(readScriptFile(path), c.readBack.isEmpty() ? c.lines : c.readBack);
    }
}

TEST(LinesFile, SurrogateWithoutItsPartnerBecomesAQuestionMark) {
    // An edit can hold half of a pair; written as is, the codec would put a Ctrl+Z before the next
    // character, or drop the half.
    const QChar high(0xDA0D), low(0xDC00);
    EXPECT_EQ(toWindows1252(QString(high) + u'\x4E2D' + u'a'), QByteArray("??a"));
    EXPECT_EQ(toWindows1252(QString(u'\x4E2D') + high + low + high), QByteArray("???"));
    EXPECT_EQ(toWindows1252(QString(u'\x4E2D') + low + u'b'), QByteArray("??b"));
}

// The codec drops some characters it lacks (the default-ignorable ones) instead of marking them,
// unless something else on the line is marked: each must become a question mark on its own.
TEST(LinesFile, EveryCharacterTheCodePageLacksBecomesAQuestionMark) {
    const struct {
        const char16_t* ch;
        const char* written;
    } cases[] = {
        // clang-format off
        {u"\uFEFF", "?"}, {u"\u200B", "?"}, {u"\u200C", "?"}, {u"\u200D", "?"}, {u"\u200E", "?"},
        {u"\u202E", "?"}, {u"\u2060", "?"}, {u"\u2064", "?"}, {u"\u034F", "?"}, {u"\u061C", "?"},
        {u"\u115F", "?"}, {u"\u180E", "?"}, {u"\u3164", "?"}, {u"\uFE0F", "?"}, {u"\uFFA0", "?"},
        {u"\U000E0001", "?"}, {u"\U000E0100", "?"}, {u"\u0100", "?"}, {u"\U0001F600", "?"},
        {u"\u00AD", "\xAD"}, {u"\u20AC", "\x80"}, {u"\u00E3", "\xE3"}, {u"\u001A", "\x1A"},
        // clang-format on
    };
    for (const auto& c : cases) {
        const QString ch = QStringView(c.ch).toString(); // as it is: the decoders would drop a BOM
        SCOPED_TRACE(QString::number(ch.toUcs4().value(0), 16).toStdString());
        EXPECT_EQ(toWindows1252("a" + ch + "b"), QByteArray("a") + c.written + "b");
        EXPECT_EQ(toWindows1252(ch + ch + u'\x0100'), QByteArray(c.written) + c.written + "?");
    }
}

TEST(LinesFile, PathThatCannotBeWrittenRaisesAFileError) {
    QTemporaryDir dir;
    EXPECT_THROW(writeLinesFile(dir.filePath("no/such/folder/r.txt"), {"x"}), FileError);
    EXPECT_THROW(writeLinesFile(dir.path(), {"x"}), FileError) << "a folder cannot be replaced";
    try {
        writeLinesFile(dir.filePath("missing/r.txt"), {"x"});
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot create file " + dir.filePath("missing/r.txt").toStdString());
    }
}

} // namespace
