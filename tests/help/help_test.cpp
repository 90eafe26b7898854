#include "help/fAjuda.h"
#include "help/helptopics.h"
#include "platform/help.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMetaProperty>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QUrl>

#include <gtest/gtest.h>

#include <vector>

using namespace calvorin;

namespace {

QString topicShown() {
    return helpViewer()->property("topic").toString();
}

// Every window that is visible, the viewer included.
int visibleWindows() {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        n += w->isVisible();
    return n;
}

class Help : public testing::Test {
protected:
    // The command language above hands its list in before the viewer is first made; a stand-in here.
    static void SetUpTestSuite() {
        setCommandHelp({{{"tqpa"}, "Termo qualquer de uma PA."}});
        installHelpViewer();
    }
    void SetUp() override { helpViewer()->hide(); }
    void TearDown() override { setApplicationHelpFile("Cv21.hlp"); }
};

TEST_F(Help, ViewerIsOneNamedWindowWithAReadOnlyTopic) {
    TfrmAjuda* viewer = helpViewer();
    EXPECT_EQ(viewer, helpViewer());
    EXPECT_STREQ(viewer->metaObject()->className(), "TfrmAjuda");
    const QMetaProperty topic =
        viewer->metaObject()->property(viewer->metaObject()->indexOfProperty("topic"));
    ASSERT_TRUE(topic.isValid());
    EXPECT_FALSE(topic.isWritable());
    for (const char* name :
         {"txtTopico", "txtPalavra", "lstPalavras", "btnConteudo", "btnPesquisar", "btnFechar"})
        EXPECT_NE(viewer->findChild<QWidget*>(name), nullptr) << name;
}

// ---- help requests --------------------------------------------------------------------------

struct RequestCase {
    const char* file;
    int kind;
    const char* topic;
    bool shown;
    const char* topicShown;
};

void PrintTo(const RequestCase& c, std::ostream* os) {
    *os << c.file << ' ' << c.kind << ' ' << c.topic;
}

class HelpRequest : public Help, public testing::WithParamInterface<RequestCase> {};

TEST_P(HelpRequest, OpensTheViewerWhereAsked) {
    const RequestCase& c = GetParam();
    EXPECT_EQ(helpRequest(c.file, c.kind, c.topic), c.shown);
    EXPECT_EQ(applicationHelpFile(), c.file) << "the request makes its file the application's";
    EXPECT_EQ(helpViewer()->isVisible(), c.shown);
    if (c.shown) {
        EXPECT_EQ(topicShown(), c.topicShown);
        EXPECT_FALSE(helpViewer()->isModal());
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, HelpRequest, testing::ValuesIn(std::vector<RequestCase>{
    {"cv21.hlp", 1, "", true, "search"}, {"cv21.hlp", 1, "comandos", true, "search"},
    {"cv21.hlp", 2, "comandos", true, "comandos"}, {"cv21.hlp", 2, "korvanta", true, "korvanta"},
    {"cv21.hlp", 2, "novidades", true, "novidades"}, {"Cv21.hlp", 2, "calculadora", true, "calculadora"},
    {"CV21.HLP", 2, "KORVANTA", true, "korvanta"}, {"C:\\Calvorin\\cv21.hlp", 2, "comandos", true, "comandos"},
    {"cv21.hlp", 2, "naoexiste", true, ""}, {"cv21.hlp", 2, "", true, ""},
    {"outro.hlp", 2, "comandos", false, ""}, {"cv21.hlp", 3, "comandos", false, ""}}));
// clang-format on

TEST_F(Help, UnknownTopicSaysSoOnTheContents) {
    helpRequest("cv21.hlp", 2, "naoexiste");
    const QString text = helpViewer()->txtTopico->toPlainText();
    EXPECT_TRUE(text.contains(QString::fromUtf8("Tópico não encontrado"))) << text.toStdString();
    EXPECT_TRUE(text.contains("naoexiste"));
}

TEST_F(Help, KeywordSearchLeadsToTheTopic) {
    helpRequest("cv21.hlp", 1, "");
    TfrmAjuda* viewer = helpViewer();
    EXPECT_EQ(viewer->txtPalavra->text(), "");
    QTest::keyClicks(viewer->txtPalavra, "tqp");
    ASSERT_NE(viewer->lstPalavras->currentItem(), nullptr);
    EXPECT_EQ(viewer->lstPalavras->currentItem()->text(), "tqpa");
    QTest::keyClick(viewer->txtPalavra, Qt::Key_Return);
    EXPECT_EQ(topicShown(), "comandos");

    viewer->btnPesquisar->click();
    EXPECT_EQ(topicShown(), "search");
    viewer->txtPalavra->clear();
    QTest::keyClicks(viewer->txtPalavra, "CALCULADORA");
    viewer->btnExibir->click();
    EXPECT_EQ(topicShown(), "calculadora");
}

TEST_F(Help, ContentsLinksJumpToTheirTopics) {
    TfrmAjuda* viewer = helpViewer();
    for (const char* id : {"korvanta", "comandos", "novidades", "calculadora"}) {
        viewer->btnConteudo->click();
        EXPECT_EQ(topicShown(), "");
        EXPECT_TRUE(viewer->txtTopico->toHtml().contains(QString("href=\"%1\"").arg(id))) << id;
        emit viewer->txtTopico->anchorClicked(QUrl(id));
        EXPECT_EQ(topicShown(), id);
        EXPECT_GT(viewer->txtTopico->toPlainText().size(), 200) << id << ": the topic is written";
    }
}

TEST_F(Help, CloseAndEscapeHideTheViewer) {
    helpRequest("cv21.hlp", 2, "novidades");
    helpViewer()->btnFechar->click();
    EXPECT_FALSE(helpViewer()->isVisible());
    EXPECT_EQ(topicShown(), "novidades");

    helpRequest("cv21.hlp", 1, "");
    QApplication::setActiveWindow(helpViewer());
    QTest::keyClick(helpViewer()->txtPalavra, Qt::Key_Escape);
    EXPECT_FALSE(helpViewer()->isVisible());
}

// ---- shell launch ---------------------------------------------------------------------------

struct LaunchCase {
    QString program;
    QString parameter;
    bool started;
};

void PrintTo(const LaunchCase& c, std::ostream* os) {
    *os << '"' << c.program.toStdString() << "\" \"" << c.parameter.toStdString() << '"';
}

class ShellLaunch : public Help, public testing::WithParamInterface<LaunchCase> {};

TEST_P(ShellLaunch, StartsOnlyTheHelpViewer) {
    const LaunchCase& c = GetParam();
    helpRequest("cv21.hlp", 2, "comandos");
    helpViewer()->hide();
    const int before = visibleWindows();
    EXPECT_EQ(shellExecute(c.program, c.parameter), c.started);
    EXPECT_EQ(helpViewer()->isVisible(), c.started);
    EXPECT_EQ(visibleWindows(), before + (c.started ? 1 : 0)) << "nothing else is shown";
    EXPECT_EQ(topicShown(), c.started ? "" : "comandos");
}

// A folder written in `n` characters, ending in a backslash.
QString folder(int n) {
    return "C:\\" + QString(n - 4, 'x') + "\\";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, ShellLaunch, testing::ValuesIn(std::vector<LaunchCase>{
    {"winhelp.exe", "cv21.hlp", true}, {"WinHelp.EXE", "CV21.HLP", true},
    {"C:\\WINDOWS\\winhelp.exe", "C:\\Calvorin\\cv21.hlp", true}, {"winhelp.exe", "", true},
    {"winhelp.exe", "outro.hlp", false}, {"notepad.exe", "cv21.hlp", false},
    {"", "", false}, {"winhelp.exe.bak", "cv21.hlp", false},
    // 79 characters pass whole, 80 are cut
    {folder(68) + "winhelp.exe", "cv21.hlp", true}, {folder(69) + "winhelp.exe", "cv21.hlp", false},
    {"winhelp.exe", folder(71) + "cv21.hlp", true}, {"winhelp.exe", folder(72) + "cv21.hlp", false}}));
// clang-format on

} // namespace
