// The real program started in a folder holding an autoexec.cv1: which scripts end it at start-up.
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

enum class Outcome { EndsWithCode1, KeepsRunning };

struct Script {
    const char* name;
    QByteArray bytes;
    Outcome outcome;
};

const Script scripts[] = {
    {"fim alone", "fim", Outcome::EndsWithCode1},
    {"end", "end\r\n", Outcome::EndsWithCode1},
    {"CR LF line ends", "nosplash\r\nfim\r\n", Outcome::EndsWithCode1},
    {"CR alone ends a line", "nosplash\rfim", Outcome::EndsWithCode1},
    {"after a Windows-1252 command", "vers\xE3o\r\nfim\r\n", Outcome::EndsWithCode1},
    {"after unknown and empty lines", "Calc\r\n\r\nsair\r\nfim\r\n", Outcome::EndsWithCode1},
    {"LF alone joins the lines", "nosplash\nfim", Outcome::KeepsRunning},
    {"Ctrl+Z before fim",
     "nosplash\r\n\x1A"
     "fim\r\n",
     Outcome::KeepsRunning},
    {"capital letter", "Fim\r\n", Outcome::KeepsRunning},
    {"blank after the word", "fim \r\n", Outcome::KeepsRunning},
};

struct ProgramRun {
    const Script* script;
    QTemporaryDir dir;
    QProcess process;
};

TEST(StartupScript, EndsTheProgramOnlyOnAnExactFimOrEndLine) {
    // All programs start together, so the ones that keep running share one wait.
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
        if (run->script->outcome != Outcome::EndsWithCode1) continue;
        SCOPED_TRACE(run->script->name);
        EXPECT_TRUE(run->process.waitForFinished(60000));
        EXPECT_EQ(run->process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(run->process.exitCode(), 1);
    }
    bool waited = false;
    for (auto& run : runs) {
        if (run->script->outcome != Outcome::KeepsRunning) continue;
        SCOPED_TRACE(run->script->name);
        if (!waited) {
            EXPECT_FALSE(run->process.waitForFinished(3000));
        }
        waited = true;
        EXPECT_EQ(run->process.state(), QProcess::Running);
        run->process.kill();
        run->process.waitForFinished();
    }
}

} // namespace
