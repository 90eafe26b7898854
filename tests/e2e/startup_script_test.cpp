// The real program started in a folder holding an autoexec.cv1: which scripts end it at start-up.
// The scripts that must leave it running are cases of tests/gui/cases.py: only what is on screen tells
// when a script is over.
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

struct Script {
    const char* name;
    QByteArray bytes;
};

const Script scripts[] = {
    {"fim alone", "fim"},
    {"end", "end\r\n"},
    {"CR LF line ends", "nosplash\r\nfim\r\n"},
    {"CR alone ends a line", "nosplash\rfim"},
    {"after a Windows-1252 command", "vers\xE3o\r\nfim\r\n"},
    {"after unknown and empty lines", "Calc\r\n\r\nsair\r\nfim\r\n"},
};

struct ProgramRun {
    const Script* script;
    QTemporaryDir dir;
    QProcess process;
};

TEST(StartupScript, EndsTheProgramWithCode1AtAnExactFimOrEndLine) {
    // All programs start together and are waited for together.
    std::vector<std::unique_ptr<ProgramRun>> runs;
    for (const Script& script : scripts) {
        auto run = std::make_unique<ProgramRun>();
        run->script = &script;
        ASSERT_TRUE(run->dir.isValid());
        QFile file(run->dir.filePath("autoexec.cv1"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(script.bytes);
        file.close();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        run->process.setProcessEnvironment(env);
        run->process.setWorkingDirectory(run->dir.path());
        run->process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        run->process.start(CALVORIN_BINARY, {});
        ASSERT_TRUE(run->process.waitForStarted()) << script.name;
        runs.push_back(std::move(run));
    }
    for (auto& run : runs) {
        SCOPED_TRACE(run->script->name);
        EXPECT_TRUE(run->process.waitForFinished(60000));
        EXPECT_EQ(run->process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(run->process.exitCode(), 1);
        if (run->process.state() != QProcess::NotRunning) {
            run->process.kill();
            run->process.waitForFinished();
        }
    }
}

} // namespace
