// The main window's first show: the start-up script runs, then the credits follow.
#include "app_fixture.h"

#include "app/infowindows.h"
#include "app/topics.h"
#include "platform/guard.h"
#include "tools/fDeterminante.h"
#include "tools/fPitagoras.h"
#include "ui/frames.h"

#include <functional>
#include <memory>

using namespace apptest;

namespace {

class StartupTest : public WindowTest {
protected:
    bool creditsShown() { return calvorin::window<TfrmSplash>().isVisible(); }
};

TEST_F(StartupTest, FirstShowRunsOnceAfterTheWindowIsVisible) {
    TfrmMain fresh;
    fresh.show();
    EXPECT_FALSE(creditsShown()) << "runs only once the window is on screen";
    QApplication::processEvents();
    EXPECT_TRUE(creditsShown());

    calvorin::window<TfrmSplash>().hide();
    fresh.hide();
    fresh.show();
    QApplication::processEvents();
    EXPECT_FALSE(creditsShown()) << "a second show runs nothing";
}

struct ScriptCase {
    const char* name;
    QByteArray bytes; // null: no script at all
    bool creditsShown;
    quint8 splash; // the main window's flag afterwards
};

// A "nosplash" line anywhere keeps the credits from following, though not those a "sobre" line
// showed; how lines split and which are commands, the script and command tables tell.
TEST_F(StartupTest, ScriptRunsBeforeTheCreditsFollow) {
    // clang-format off
    const ScriptCase table[] = {
        {"no script", QByteArray(), true, 1},
        {"empty script", QByteArray(""), true, 1},
        {"not nosplash as written", "NOSPLASH\r\n nosplash\r\npa\nnosplash\x1Anosplash\r\n", true, 1},
        {"nosplash, only line, no line end", "nosplash", false, 0},
        {"nosplash after CR LF", "nosplash\r\n", false, 0},
        {"nosplash after another command", "pa\r\nnosplash\r\n", false, 0},
        {"nosplash after CR alone", "pa\rnosplash", false, 0},
        {"credits shown by a line keep showing", "sobre\r\nnosplash\r\n", true, 0},
    };
    // clang-format on
    for (const ScriptCase& row : table) {
        SCOPED_TRACE(row.name);
        hideAllWindows();
        QFile::remove("autoexec.cv1");
        if (!row.bytes.isNull()) writeScript(row.bytes);
        mainWindow().splash = 1;
        calvorin::runGuarded([] { mainWindow().FormShow(); });
        EXPECT_EQ(creditsShown(), row.creditsShown);
        EXPECT_EQ(mainWindow().splash, row.splash);
    }
    EXPECT_TRUE(dialogs.errors.isEmpty());
    EXPECT_TRUE(exitCodes.empty());
}

TEST_F(StartupTest, RelatorioStartsRecordingBeforeTheWindowIsFirstSeen) {
    writeScript("relatorio\r\nnosplash\r\n");
    calvorin::runGuarded([] { mainWindow().FormShow(); });
    EXPECT_TRUE(calvorin::reportLog().recording());
    expectReportItems(mainWindow(), false, true, false);
}

TEST_F(StartupTest, SplashFlagClearedBeforeTheEndMeansNoCredits) {
    mainWindow().splash = 0;
    mainWindow().FormShow();
    EXPECT_FALSE(creditsShown());
}

TEST_F(StartupTest, UnreadableScriptIsReportedAndNoCreditsFollow) {
    // Tests may run as root, who reads any file: a directory of that name cannot be read by anyone.
    ASSERT_TRUE(QDir(dir_.path()).mkdir("autoexec.cv1"));
    TfrmMain fresh;
    fresh.show();
    QApplication::processEvents();
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors.front().contains("autoexec.cv1"));
    EXPECT_FALSE(creditsShown());

    // The program goes on.
    fresh.mnuHelp->trigger();
    calvorin::open<TfrmPA>();
    EXPECT_TRUE(windowNamed("TfrmPA")->isVisible());
    EXPECT_EQ(dialogs.errors.size(), 1);
}

// Windows made at start-up leave their size, place, colours and pictures until they are first
// needed; shown, or handed out by the registry, they are as windows made ready at once.
TEST_F(StartupTest, WindowsReadyWhenFirstNeededAreAsIfReadyAtOnce) {
    const std::pair<const char*, std::function<QWidget*()>> kinds[] = {
        {"credits: centred, with a painting", [] { return new TfrmSplash; }},
        {"Pythagoras: sized by its picture", [] { return new TfrmPitagoras; }},
        {"determinant: its size set after the frame", [] { return new TfrmDeterminante; }},
    };
    for (const auto& [name, make] : kinds) {
        for (const bool shown : {false, true}) {
            SCOPED_TRACE(std::string(name) + (shown ? ", shown" : ", handed out"));
            std::unique_ptr<QWidget> now(make()), later;
            {
                const calvorin::DeferUntilNeeded waiting;
                later.reset(make());
            }
            if (shown) {
                now->show();
                later->show();
            } else {
                calvorin::makeReady(later.get());
            }
            EXPECT_EQ(later->size(), now->size());
            EXPECT_EQ(later->minimumSize(), later->maximumSize());
            EXPECT_EQ(later->pos(), now->pos());
            EXPECT_EQ(later->palette().color(QPalette::Window), now->palette().color(QPalette::Window));
            for (const QLabel* picture : now->findChildren<QLabel*>())
                EXPECT_EQ(later->findChild<QLabel*>(picture->objectName())->pixmap().toImage(),
                          picture->pixmap().toImage())
                    << picture->objectName().toStdString();
        }
    }
}

} // namespace
