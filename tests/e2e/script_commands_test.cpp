// The start-up script run in the program itself, with the commands it is made of: what the user
// finds when the main window first appears.
#include "app/app_fixture.h"

#include "app/infowindows.h"
#include "platform/guard.h"

using namespace apptest;

namespace {

class ScriptCommandsTest : public WindowTest {};

struct ScriptCase {
    const char* name;
    QByteArray bytes;
    bool creditsShown;
};

TEST_F(ScriptCommandsTest, NosplashAnywhereSuppressesTheCredits) {
    const ScriptCase table[] = {
        {"only line, no line end", "nosplash", false},
        {"CR LF", "nosplash\r\n", false},
        {"after another command", "pa\r\nnosplash\r\n", false},
        {"CR alone", "pa\rnosplash", false},
        {"credits shown by a line keep showing", "sobre\r\nnosplash\r\n", true},
        {"LF alone joins the lines", "pa\nnosplash", true},
    };
    for (const ScriptCase& row : table) {
        SCOPED_TRACE(row.name);
        hideAllWindows();
        writeScript(row.bytes);
        mainWindow().splash = 1;
        calvorin::runGuarded([] { mainWindow().FormShow(); });
        EXPECT_EQ(calvorin::window<TfrmSplash>().isVisible(), row.creditsShown);
    }
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(ScriptCommandsTest, RelatorioStartsRecordingBeforeTheWindowIsFirstSeen) {
    writeScript("relatorio\r\nnosplash\r\n");
    TfrmMain& main = mainWindow();
    calvorin::runGuarded([&] { main.FormShow(); });
    EXPECT_TRUE(calvorin::reportLog().recording());
    expectReportItems(main, false, true, false);
}

} // namespace
